#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "onsei/status.hpp"
#include "voice/voice_shape.hpp"

namespace onsei {

// One loaded HTS voice and its engine. Move-only; the engine is cleared with
// the object. Not thread-safe: callers serialise.
class HtsVoice {
 public:
  // Loads the voice file. The file must have been checked first (see
  // CheckVoiceFile): hts_engine ends the process on some malformed files.
  static Result<HtsVoice> Load(const std::string& path);

  HtsVoice(HtsVoice&&) noexcept;
  HtsVoice& operator=(HtsVoice&&) noexcept;
  HtsVoice(const HtsVoice&) = delete;
  HtsVoice& operator=(const HtsVoice&) = delete;
  ~HtsVoice();

  int samplingRate() const;

  // Synthesises labels to 16-bit samples. rate scales the speaking rate (1.0
  // = the voice's own; 2.0 = twice as fast) by scaling the frame period, so
  // speech and pauses stretch evenly and the pitch stays. gain scales the
  // waveform before it is converted to 16 bits (clipped, then truncated); it
  // is lowered so that the speech is no louder than level (the root mean
  // square of its 10 ms frames within 30 dB of the loudest; 0 = no bound),
  // and so that the loudest sample meets peakLimit where it would pass it.
  // shape bends the voice for this synthesis only; afterwards the voice is as
  // loaded again.
  Result<std::vector<std::int16_t>> Synthesise(const std::vector<std::string>& labels, double rate,
                                               double gain, double peakLimit,
                                               const VoiceShape& shape = {}, double level = 0);

 private:
  struct Engine;
  explicit HtsVoice(std::unique_ptr<Engine> engine);
  void applyShape(const VoiceShape& shape);
  std::unique_ptr<Engine> engine_;
};

// Makes sure a voice file is safe to hand to hts_engine: a regular file of
// at most 64 MB whose structure passes ValidateVoiceImage; the files of the
// voice table (the Debian voice and the voices the engine ships) are then
// recognised by size and checksum, and any other file is loaded in a child
// process (bounded in memory and time) that also synthesises probe, labels of
// a short utterance. A file that fails is remembered by path, size and
// modification time and not checked again.
Status CheckVoiceFile(const std::string& path, const std::vector<std::string>& probe = {});

// The path of the voice: $ONSEI_VOICE, or the Debian voice.
std::string VoicePath();

inline constexpr const char* kDebianVoicePath =
    "/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice";
inline constexpr const char* kDebianVoicePackage = "hts-voice-nitech-jp-atr503-m001";

}  // namespace onsei
