#include "platform/qt_translations.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <string>
#include <vector>

namespace ruzdo {

InterfaceLanguage ChosenInterfaceLanguage(const QSettings& settings) {
  std::vector<std::string> system;
  for (const QString& tag : QLocale::system().uiLanguages()) system.push_back(tag.toStdString());
  const QString chosen = settings.value(QLatin1String(kLanguageSetting)).toString();
  return ChooseInterfaceLanguage(chosen.toStdString(), system);
}

bool InstallInterfaceTexts(QCoreApplication* app, InterfaceLanguage language) {
  auto* texts = new QTranslator(app);
  const bool loaded =
      language == InterfaceLanguage::English
          ? texts->load(QStringLiteral(":/translations/ruzdo_en.qm"))
          : texts->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (!loaded) {
    delete texts;
    return false;
  }
  return QCoreApplication::installTranslator(texts);
}

void FillLanguageChoice(QComboBox* list) {
  list->addItem(QCoreApplication::translate("InterfaceLanguage", "Как в системе"), QString());
  // Each language by its own name, so that a learner who cannot read the
  // other one still finds theirs.
  list->addItem(QStringLiteral("Русский"), QStringLiteral("ru"));
  list->addItem(QStringLiteral("English"), QStringLiteral("en"));
}

}  // namespace ruzdo
