#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "onsei/status.hpp"
#include "onsei/utterance.hpp"

namespace onsei {

inline constexpr int kMinSpeed = 50;
inline constexpr int kMaxSpeed = 300;
inline constexpr int kNormalSpeed = 100;

// Speech from phonetic text, with each voice loaded lazily per process. All
// calls are serialised inside, so any thread may call.
class Synthesiser {
 public:
  static Synthesiser& Instance();

  // Loads the standard voice now (it is otherwise loaded by the first
  // synthesis), or the named one. Each voice file is loaded once and kept.
  Status LoadVoice();
  Status LoadVoice(std::string_view voiceName);

  // Shift-JIS phonetic text at speed 50 ... 300 (100 = normal) to a WAV image.
  Result<std::vector<unsigned char>> Synthesise(std::string_view shiftJis, int speed);

  // The same in a named voice ("standard", "low", "mei-happy", ...; the list
  // is in onsei/data/voices.tsv). An unknown name fails and lists the known
  // ones.
  Result<std::vector<unsigned char>> Synthesise(std::string_view shiftJis, int speed,
                                                std::string_view voiceName);

  // The same from an analysed utterance.
  Result<std::vector<unsigned char>> SynthesiseUtterance(const Utterance& utterance, int speed,
                                                         std::string_view voiceName = "standard");

  // Samples for labels as given, at the voice's own rate and gain: for
  // comparing with other programs that use the same voice.
  Result<std::vector<std::int16_t>> RawSamples(const std::vector<std::string>& labels);

 private:
  Synthesiser() = default;
};

}  // namespace onsei
