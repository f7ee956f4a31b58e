#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ruzdo {

// The engine's name of its standard voice, the one it speaks unless asked for another.
inline constexpr std::string_view kStandardVoice = "standard";

// The Russian name the panel shows for one of the engine's voices, saying
// who speaks and how (standard «Мужчина 1, обычный», mei-happy «Женщина 1,
// радостная»); a voice it does not know shows its own name.
std::string VoiceDisplayName(std::string_view preset);

// How the speech cache and the synthesis jobs name a voice: "" for the
// standard voice, so that its sounds are keyed as they always were.
std::string VoiceKey(std::string_view preset);

// A preset drawn by the process-wide generator; "" (the standard voice) when
// there is none to draw from.
std::string RandomVoice(const std::vector<std::string>& presets);

// One of a text's readings, 1 ... count, drawn by the process-wide
// generator; 1 (the usual reading) when it has only one.
int RandomVariant(int count);

}  // namespace ruzdo
