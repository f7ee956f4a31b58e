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
  ruzdo::InstallQtRussianTexts(&app);
  QApplication::setStyle(QStringLiteral("Fusion"));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  QApplication::setFont(font);

  // Without its voice the program cannot say anything: say why and stop.
  if (!Onsei_LoadVoice()) {
    ruzdo::ShowMessage(nullptr,
                       QStringLiteral("Не удалось загрузить голос для синтеза речи:\n%1\n\n"
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
  // Settings in the user's configuration folder, answers in the data folder.
  mainForm.useSettings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                   QStringLiteral("Ruzdo"),
                                                   QStringLiteral("Ruzdo")));
  mainForm.openHistory(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  ruzdo::CloseOnTerminationSignal(&mainForm);
  mainForm.show();
  return app.exec();
}
