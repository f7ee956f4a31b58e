#pragma once

#include "core/interface_language.h"

class QComboBox;
class QCoreApplication;
class QSettings;

namespace ruzdo {

// The key under which the settings keep «Язык интерфейса»: "ru", "en", or
// "" for the system's language.
inline constexpr char kLanguageSetting[] = "panel/language";

// The language the interface speaks: as the settings choose, else the
// system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them).
InterfaceLanguage ChosenInterfaceLanguage(const QSettings& settings);

// Installs on app the program's texts in language (English from the
// translation built into the program; Russian is the source and needs none)
// and Qt's own (the captions of standard buttons such as «Закрыть», «Да»,
// «Нет», and of Qt's dialogs: Russian from the translations Debian installs
// with qt6-translations-l10n, English being Qt's source). Returns false when
// a translation is missing; the texts then stay as written.
bool InstallInterfaceTexts(QCoreApplication* app, InterfaceLanguage language);

// Fills «Язык интерфейса»: the system's, then each language named in itself;
// the items' data are the values the settings keep.
void FillLanguageChoice(QComboBox* list);

}  // namespace ruzdo
