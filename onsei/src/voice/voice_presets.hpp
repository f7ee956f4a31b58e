#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "onsei/status.hpp"
#include "voice/voice_shape.hpp"

namespace onsei {

// A named voice made from the one HTS voice (data/voices.tsv).
struct VoicePreset {
  std::string name;
  VoiceShape shape;
  std::string description;
};

inline constexpr const char* kStandardVoice = "standard";

// Every preset, the standard voice first.
const std::vector<VoicePreset>& VoicePresets();

// The preset of that name; null when there is none.
const VoicePreset* FindVoicePreset(std::string_view name);

// The names of all presets, separated by ", ": for messages.
std::string VoiceNames();

// The failure for a name that is not a preset: names it and lists the known ones.
Error UnknownVoice(std::string_view name);

}  // namespace onsei
