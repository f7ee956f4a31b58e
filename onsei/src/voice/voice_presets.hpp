#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "onsei/status.hpp"
#include "voice/voice_shape.hpp"

namespace onsei {

// One HTS voice file: one speaker in one style (data/voice_files.tsv).
struct VoiceFile {
  std::string file;  // as in the table: under the voice folder, or absolute
  std::string speaker;
  std::string sex;    // "male" or "female"
  std::string style;  // "normal", "happy", "sad", "angry", "bashful"
  std::size_t bytes = 0;
  std::uint64_t checksum = 0;  // FNV-1a, 64 bits
};

// A named voice: a voice file and how its sound is bent (data/voices.tsv).
struct VoicePreset {
  std::string name;
  const VoiceFile* file = nullptr;  // never null
  VoiceShape shape;
  std::string description;
};

inline constexpr const char* kStandardVoice = "standard";
// The Debian package of the voices the engine ships.
inline constexpr const char* kVoicesPackage = "onsei-voices";

// Every voice file of the table.
const std::vector<VoiceFile>& VoiceFiles();

// Every voice, the standard one first.
const std::vector<VoicePreset>& VoicePresets();

// The voice of that name; null when there is none.
const VoicePreset* FindVoicePreset(std::string_view name);

// The voices whose files are on this system, the standard one first (it is
// listed even without its file, which the engine then names in its error).
const std::vector<const VoicePreset*>& AvailableVoices();

// The names of all voices, separated by ", ": for messages.
std::string VoiceNames();

// The failure for a name that is not a voice: names it and lists the known ones.
Error UnknownVoice(std::string_view name);

// Where a voice file lies: the Debian voice where the table says ($ONSEI_VOICE
// replaces it), the others in $ONSEI_VOICE_DIR, else in the first folder that
// has the file: the installed voice folder, the one beside the library or
// program under the same prefix (an install moved elsewhere), the source
// tree's in a build with tests (so that the build tree speaks them too).
std::string VoiceFilePath(const VoiceFile& file);

// FNV-1a, 64 bits.
std::uint64_t VoiceChecksum(std::string_view bytes);

// Whether the bytes are one of the voice files of the table, byte for byte.
bool IsKnownVoiceImage(std::string_view bytes);

}  // namespace onsei
