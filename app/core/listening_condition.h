#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "pcm_wave.h"

namespace ruzdo {

// Where the learner hears the speech: quiet (the sound as the engine made
// it), over a phone line, in a street, in a crowd, in a station hall.
enum class ListeningCondition { kQuiet, kPhone, kStreet, kCrowd, kStation };

struct ListeningConditionInfo {
  ListeningCondition condition;
  std::string_view key;          // stable, for settings and history: "" = quiet
  std::string_view name;         // as the window lists it (UTF-8)
  std::string_view description;  // what the learner hears (UTF-8)
  bool noisy;                    // has noise whose level the learner's level sets
};

// Every condition, quiet first, in the order the window lists them.
const std::vector<ListeningConditionInfo>& ListeningConditions();
const ListeningConditionInfo& ConditionInfo(ListeningCondition condition);
// Quiet for a key it does not know.
ListeningCondition ConditionFromKey(std::string_view key);

// Speech by other talkers, for the babble of the crowd and the station: each
// sound one talker saying something else, at any rate.
struct Talkers {
  std::vector<PcmSound> voices;
};

struct ConditionRequest {
  ListeningCondition condition = ListeningCondition::kQuiet;
  double speechToNoiseDb = 15;
  std::uint32_t seed = 0;
  // For the crowd and the station; without any, the babble is made of the
  // utterance itself, reversed.
  const Talkers* talkers = nullptr;
};

// How long the noise starts before the speech and goes on after it.
inline constexpr double kNoiseLeadSeconds = 0.3;

// The conditioned sound in its two parts, summed in the sound heard: the
// speech as it reaches the ear (with the hall's echo in the station) and
// everything else, scaled so that their powers over the speech part stand in
// the requested ratio. The speech part runs from the utterance's first
// sample to its last above 1 % of its peak (-40 dB). The noise starts
// kNoiseLeadSeconds before the utterance and ends as long after it, fading
// in and out; the speech is delayed by as much.
struct ConditionedParts {
  int rateHz = 0;
  std::vector<float> speech;
  std::vector<float> noise;
  std::size_t speechBegin = 0;
  std::size_t speechEnd = 0;
};
std::optional<ConditionedParts> RenderConditionParts(const PcmSound& utterance,
                                                     const ConditionRequest& request);

// A new WAV image of the speech in a 16-bit mono PCM WAV image heard under
// the requested condition, the same for the same seed. Quiet returns the
// image as it is, byte for byte, and the phone has no noise. Nothing when
// the image is not 16-bit mono PCM, is cut short, or processing failed.
std::optional<std::vector<unsigned char>> ApplyListeningCondition(const unsigned char* wav,
                                                                  std::size_t size,
                                                                  const ConditionRequest& request);

// Speech power over noise power, in dB, between begin and end; a large
// number when there is no noise there.
double SpeechToNoiseDb(const std::vector<float>& speech, const std::vector<float>& noise,
                       std::size_t begin, std::size_t end);

}  // namespace ruzdo
