#include <QApplication>
#include <QFont>
#include <QSettings>
#include <QStandardPaths>

#include "Unit1.h"
#include "command_line.h"
#include "onsei/onsei.h"
#include "platform/message_box.h"
#include "platform/qt_translations.h"
#include "platform/termination_signal.h"
#include "uAboutFrm.h"

int main(int argc, char* argv[]) {
  if (const int status = ruzdo::handleCommandLine(argc, argv); status >= 0) return status;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ruzdo"));
  // Settings in the user's configuration folder, answers in the data folder.
  auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                              QStringLiteral("Ruzdo"), QStringLiteral("Ruzdo"));
  // The language before any window: the windows are made in it.
  ruzdo::InstallInterfaceTexts(&app, ruzdo::ChosenInterfaceLanguage(*settings));
  QApplication::setStyle(QStringLiteral("Fusion"));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  QApplication::setFont(font);

  // Without its voice the program cannot say anything: say why and stop.
  if (!Onsei_LoadVoice()) {
    ruzdo::ShowMessage(nullptr, QCoreApplication::translate(
                                    "main",
                                    "Не удалось загрузить голос для синтеза речи:\n%1\n\n"
                                    "Установите пакет Debian hts-voice-nitech-jp-atr503-m001 "
                                    "(раздел contrib).")
                                    .arg(QString::fromLocal8Bit(Onsei_VoicePath())));
    return 1;
  }

  TMainForm mainForm;
  TfAbout fAbout(&mainForm);
  mainForm.setAboutWindow(&fAbout);
  // The crowd's talkers, made once and kept for the next start (before the
  // settings, which may choose the crowd).
  mainForm.useBabbleCache(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
  mainForm.useSettings(std::move(settings));
  mainForm.openHistory(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  ruzdo::CloseOnTerminationSignal(&mainForm);
  mainForm.show();
  return app.exec();
}
