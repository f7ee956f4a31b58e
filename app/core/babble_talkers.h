#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "listening_condition.h"

namespace ruzdo {

// Other talkers for the crowd and the station: the engine's voice presets
// saying everyday sentences (no numbers in them), one sentence each, at one
// speed, brought to the rate the noise is made at.
inline constexpr int kBabbleTalkerSpeed = 100;
int BabbleTalkerCount();
// What talker index (0 ... BabbleTalkerCount() - 1) says, in the engine's
// phonetic text (UTF-8).
std::string_view BabbleTalkerSentence(int index);
// Which of `presets` voices (listed by speaker) talker index speaks in: the
// talkers spread over men and women.
int BabbleTalkerVoice(int index, int presets);
// A talker from the engine's WAV image; nothing when it is not one.
std::optional<PcmSound> BabbleTalkerFromWave(const unsigned char* wav, std::size_t size);
// What the talkers depend on: the program's version, the engine's library
// and standard voice files (as stamps: path, size, time; the library's
// none when it is not known), the voices by
// name and the sentences each says. Talkers kept under another key are not
// these.
std::string BabbleTalkersKey(std::string_view programVersion,
                             std::optional<std::string_view> engineStamp,
                             std::string_view voiceStamp, const std::vector<std::string>& voices);

}  // namespace ruzdo
