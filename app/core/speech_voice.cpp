#include "speech_voice.h"

#include <array>
#include <utility>

#include "random_source.h"
#include "translatable.h"

namespace ruzdo {

std::string VoiceDisplayName(std::string_view preset) {
  // Who speaks and how: the sex (two men and two women, numbered) and the
  // mood or the shape, the adjective agreeing with the noun.
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 18> kNames = {{
      {"standard", QT_TRANSLATE_NOOP("SpeechVoice", "Мужчина 1, обычный")},
      {"low", QT_TRANSLATE_NOOP("SpeechVoice", "Мужчина 1, низкий")},
      {"high", QT_TRANSLATE_NOOP("SpeechVoice", "Мужчина 1, высокий")},
      {"fast", QT_TRANSLATE_NOOP("SpeechVoice", "Мужчина 1, быстрый")},
      {"takumi", QT_TRANSLATE_NOOP("SpeechVoice", "Мужчина 2, обычный")},
      {"takumi-happy", QT_TRANSLATE_NOOP("SpeechVoice", "Мужчина 2, радостный")},
      {"takumi-sad", QT_TRANSLATE_NOOP("SpeechVoice", "Мужчина 2, грустный")},
      {"takumi-angry", QT_TRANSLATE_NOOP("SpeechVoice", "Мужчина 2, сердитый")},
      {"takumi-fast", QT_TRANSLATE_NOOP("SpeechVoice", "Мужчина 2, быстрый")},
      {"mei", QT_TRANSLATE_NOOP("SpeechVoice", "Женщина 1, обычная")},
      {"mei-happy", QT_TRANSLATE_NOOP("SpeechVoice", "Женщина 1, радостная")},
      {"mei-sad", QT_TRANSLATE_NOOP("SpeechVoice", "Женщина 1, грустная")},
      {"mei-angry", QT_TRANSLATE_NOOP("SpeechVoice", "Женщина 1, сердитая")},
      {"mei-fast", QT_TRANSLATE_NOOP("SpeechVoice", "Женщина 1, быстрая")},
      {"tohoku", QT_TRANSLATE_NOOP("SpeechVoice", "Женщина 2, обычная")},
      {"tohoku-happy", QT_TRANSLATE_NOOP("SpeechVoice", "Женщина 2, радостная")},
      {"tohoku-sad", QT_TRANSLATE_NOOP("SpeechVoice", "Женщина 2, грустная")},
      {"tohoku-angry", QT_TRANSLATE_NOOP("SpeechVoice", "Женщина 2, сердитая")},
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
