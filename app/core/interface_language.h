#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ruzdo {

// The languages the interface is written in: Russian, the designed one and
// the source of every text, and English.
enum class InterfaceLanguage { Russian, English };

// The language the learner asked for: setting is what «Язык интерфейса»
// keeps ("ru", "en", "" or anything else for the system's), systemLanguages
// the system's interface languages in order of preference ("en-GB", "de",
// "C", as the locale names them). The system's language is the first of
// them the program speaks; none (German, C, POSIX) is Russian.
InterfaceLanguage ChooseInterfaceLanguage(std::string_view setting,
                                          std::span<const std::string> systemLanguages);

}  // namespace ruzdo
