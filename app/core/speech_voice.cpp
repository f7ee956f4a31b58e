#include "speech_voice.h"

#include <array>
#include <utility>

#include "random_source.h"

namespace ruzdo {

std::string VoiceDisplayName(std::string_view preset) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kNames = {{
      {"standard", "Обычный"},
      {"low", "Низкий"},
      {"high", "Высокий"},
      {"fast", "Быстрый"},
  }};
  for (const auto& [name, russian] : kNames)
    if (name == preset) return std::string(russian);
  return std::string(preset);
}

std::string VoiceKey(std::string_view preset) {
  return preset == kStandardVoice ? std::string() : std::string(preset);
}

std::string RandomVoice(const std::vector<std::string>& presets) {
  if (presets.empty()) return {};
  return VoiceKey(presets[static_cast<std::size_t>(RandomBelow(static_cast<int>(presets.size())))]);
}

int RandomVariant(int count) { return count < 2 ? 1 : 1 + RandomBelow(count); }

}  // namespace ruzdo
