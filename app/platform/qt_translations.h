#pragma once

class QCoreApplication;

namespace ruzdo {

// Installs Qt's own Russian texts (the captions of standard buttons such as
// «Закрыть», «Да», «Нет», and of Qt's dialogs) on app, from the translations
// Debian installs with qt6-translations-l10n. The program speaks Russian
// whatever the system's language. Returns false, leaving Qt's English texts,
// when they are not installed.
bool InstallQtRussianTexts(QCoreApplication* app);

}  // namespace ruzdo
