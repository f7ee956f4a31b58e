#include "core/interface_language.h"

namespace ruzdo {
namespace {

// "en" of "en-GB", "en_US.UTF-8" or "en".
std::string_view primaryTag(std::string_view tag) {
  return tag.substr(0, tag.find_first_of("-_.@"));
}

}  // namespace

InterfaceLanguage ChooseInterfaceLanguage(std::string_view setting,
                                          std::span<const std::string> systemLanguages) {
  if (setting == "ru") return InterfaceLanguage::Russian;
  if (setting == "en") return InterfaceLanguage::English;
  for (const std::string& tag : systemLanguages) {
    const std::string_view language = primaryTag(tag);
    if (language == "en") return InterfaceLanguage::English;
    if (language == "ru") return InterfaceLanguage::Russian;
  }
  return InterfaceLanguage::Russian;
}

}  // namespace ruzdo
