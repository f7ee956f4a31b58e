#include "speech_voice.h"

#include <array>
#include <utility>

#include "random_source.h"

namespace ruzdo {

std::string VoiceDisplayName(std::string_view preset) {
  // Who speaks and how: the sex (two men and two women, numbered) and the
  // mood or the shape, the adjective agreeing with the noun.
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 18> kNames = {{
      {"standard", "Мужчина 1, обычный"},
      {"low", "Мужчина 1, низкий"},
      {"high", "Мужчина 1, высокий"},
      {"fast", "Мужчина 1, быстрый"},
      {"takumi", "Мужчина 2, обычный"},
      {"takumi-happy", "Мужчина 2, радостный"},
      {"takumi-sad", "Мужчина 2, грустный"},
      {"takumi-angry", "Мужчина 2, сердитый"},
      {"takumi-fast", "Мужчина 2, быстрый"},
      {"mei", "Женщина 1, обычная"},
      {"mei-happy", "Женщина 1, радостная"},
      {"mei-sad", "Женщина 1, грустная"},
      {"mei-angry", "Женщина 1, сердитая"},
      {"mei-fast", "Женщина 1, быстрая"},
      {"tohoku", "Женщина 2, обычная"},
      {"tohoku-happy", "Женщина 2, радостная"},
      {"tohoku-sad", "Женщина 2, грустная"},
      {"tohoku-angry", "Женщина 2, сердитая"},
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
