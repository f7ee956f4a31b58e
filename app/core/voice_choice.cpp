#include "core/voice_choice.h"

#include "core/speech_voice.h"

namespace ruzdo {

void VoiceChoice::setPicker(std::vector<std::string> presets, std::optional<std::string> chosen) {
  presets_ = std::move(presets);
  chosen_ = std::move(chosen);
}

std::string VoiceChoice::listening() const { return VoiceKey(chosen_.value_or(std::string())); }

std::string VoiceChoice::question(bool ahead, bool& nextDrawn) {
  nextDrawn = false;
  if (!varies()) return listening();
  if (ahead) return RandomVoice(presets_);
  const std::string voice = next_ ? *next_ : RandomVoice(presets_);
  next_ = RandomVoice(presets_);
  nextDrawn = true;
  return voice;
}

std::vector<std::string> VoiceChoice::aheadVoices(bool ahead) {
  if (!varies()) return {listening()};
  if (ahead) return {};
  // Every voice for every plate would be more than can be made ahead, and
  // would load every voice.
  if (!next_) next_ = RandomVoice(presets_);
  return {*next_};
}

}  // namespace ruzdo
