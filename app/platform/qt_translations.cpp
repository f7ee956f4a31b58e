#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ruzdo {

bool InstallQtRussianTexts(QCoreApplication* app) {
  auto* texts = new QTranslator(app);
  if (!texts->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete texts;
    return false;
  }
  return QCoreApplication::installTranslator(texts);
}

}  // namespace ruzdo
