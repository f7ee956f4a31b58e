#include "listening_scenes.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "sox_effects.h"

namespace ruzdo {
namespace {

// The effects, as the sox command takes them. Levels going into libsox stay
// well below full scale so that no echo or overdrive clips inside it.
// The line works at 8 kHz, as a narrow-band phone network does.
const std::vector<SoxEffect> kPhoneLine = {
    {"rate", "8000"},
    {"sinc", "-a", "80", "300-3400"},
    {"compand", "0.005,0.12", "6:-70,-70,-45,-30,-20,-14,0,-8", "0", "-40"},
    {"overdrive", "6", "20"},
    {"sinc", "-a", "80", "300-3400"},
};
const std::vector<SoxEffect> kRumble = {
    {"highpass", "35"}, {"lowpass", "-1", "300"}, {"lowpass", "-1", "2500"}};
const std::vector<SoxEffect> kTyreHiss = {{"sinc", "600-5000"}, {"lowpass", "-1", "2000"}};
const std::vector<SoxEffect> kCrowdRoom = {{"sinc", "120-7000"}, {"reverb", "40", "60", "50"}};
const std::vector<SoxEffect> kHall = {{"reverb", "55", "50", "100", "0", "15", "-5"}};
const std::vector<SoxEffect> kHallCrowd = {{"sinc", "120-6000"},
                                           {"reverb", "-w", "85", "60", "100", "0", "30"}};
const std::vector<SoxEffect> kLoudspeaker = {{"sinc", "500-3500"}, {"overdrive", "4", "10"}};
const std::vector<SoxEffect> kTrainRumble = {{"lowpass", "-1", "120"}, {"lowpass", "-1", "400"}};

constexpr float kSoxLevel = 0.25f;
// Noise is made at this rate, or at the speech's when that is lower, and
// brought to the speech's rate at the end: it has little above 8 kHz, and
// this is a third of the work at the engine's 48 kHz.
constexpr int kNoiseRateHz = 16000;
constexpr int kCrowdTalkers = 6;
constexpr int kStationTalkers = 8;

std::vector<float> whiteNoise(std::size_t length, std::mt19937& random) {
  std::vector<float> noise(length);
  for (float& x : noise) x = static_cast<float>(random() >> 8) * (2.0f / 16777216.0f) - 1.0f;
  return noise;
}

double power(const std::vector<float>& x) { return MeanPower(x, 0, x.size()); }

// Scaled to an RMS of `level`; silence stays silence.
void normalise(std::vector<float>& x, float level) {
  const double p = power(x);
  if (p <= 0) return;
  const auto g = static_cast<float>(level / std::sqrt(p));
  for (float& v : x) v *= g;
}

void addInto(std::vector<float>& sum, const std::vector<float>& x, float gain) {
  for (std::size_t i = 0; i < sum.size() && i < x.size(); ++i) sum[i] += gain * x[i];
}

double uniform(std::mt19937& random, double low, double high) {
  return low + (high - low) * (static_cast<double>(random() >> 8) / 16777216.0);
}

// One talker's speech looped from a drawn point, at rateHz (linearly
// interpolated where the talker's rate differs), at unit RMS.
std::vector<float> talker(const PcmSound& voice, std::size_t length, int rateHz,
                          std::mt19937& random) {
  std::vector<float> out(length, 0.0f);
  const std::size_t n = voice.samples.size();
  if (n < 2 || voice.rateHz <= 0) return out;
  double at = uniform(random, 0, static_cast<double>(n));
  if (voice.rateHz == rateHz) {
    // The usual case: the talkers are kept at the noise's rate.
    auto i = static_cast<std::size_t>(at) % n;
    for (float& v : out) {
      v = voice.samples[i];
      if (++i == n) i = 0;
    }
    normalise(out, 1.0f);
    return out;
  }
  const double step = static_cast<double>(voice.rateHz) / rateHz;
  for (float& v : out) {
    const auto i = static_cast<std::size_t>(at);
    const double f = at - static_cast<double>(i);
    v = static_cast<float>((1 - f) * voice.samples[i] + f * voice.samples[(i + 1) % n]);
    at += step;
    if (at >= static_cast<double>(n)) at -= static_cast<double>(n);
  }
  normalise(out, 1.0f);
  return out;
}

std::vector<float> babble(std::size_t length, int rateHz, const Talkers& talkers, int count,
                          std::mt19937& random) {
  std::vector<float> sum(length, 0.0f);
  if (talkers.voices.empty()) return sum;
  for (int k = 0; k < count; ++k) {
    const PcmSound& voice = talkers.voices[random() % talkers.voices.size()];
    // Nearer and farther talkers.
    addInto(sum, talker(voice, length, rateHz, random),
            static_cast<float>(uniform(random, 0.5, 1.0)));
  }
  normalise(sum, kSoxLevel);
  return sum;
}

std::optional<std::vector<float>> shaped(std::vector<float> x, int rateHz,
                                         const std::vector<SoxEffect>& effects) {
  normalise(x, kSoxLevel);
  return RunSoxEffects(x, rateHz, effects);
}

int noiseRate(int rateHz) { return std::min(rateHz, kNoiseRateHz); }
std::size_t noiseLength(std::size_t length, int rateHz) {
  return length * static_cast<std::size_t>(noiseRate(rateHz)) / static_cast<std::size_t>(rateHz) +
         1;
}

// Noise made at noiseRate brought to the speech's rate and length.
std::optional<std::vector<float>> atSpeechRate(std::optional<std::vector<float>> noise,
                                               std::size_t length, int rateHz) {
  if (!noise) return noise;
  if (noiseRate(rateHz) != rateHz) {
    normalise(*noise, kSoxLevel);
    noise =
        RunSoxEffects(*noise, noiseRate(rateHz), {{"rate", "-l", std::to_string(rateHz)}}, rateHz);
    if (!noise) return noise;
  }
  noise->resize(length, 0.0f);
  return noise;
}

}  // namespace

std::optional<std::vector<float>> PhoneLine(const std::vector<float>& speech, int rateHz) {
  std::vector<SoxEffect> effects = kPhoneLine;
  effects.push_back({"rate", std::to_string(rateHz)});
  auto line = shaped(speech, rateHz, effects);
  if (line) normalise(*line, static_cast<float>(std::sqrt(power(speech))));
  return line;
}

std::optional<std::vector<float>> StreetNoise(std::size_t length, int rateHz,
                                              std::mt19937& random) {
  const int rate = noiseRate(rateHz);
  const std::size_t n = noiseLength(length, rateHz);
  auto rumble = shaped(whiteNoise(n, random), rate, kRumble);
  auto hiss = shaped(whiteNoise(n, random), rate, kTyreHiss);
  if (!rumble || !hiss) return std::nullopt;
  addInto(*rumble, *hiss, 0.15f);
  // Cars passing: each swells the noise for a second or two around the
  // moment it goes by.
  std::vector<float> envelope(n, 0.35f);
  const double seconds = static_cast<double>(n) / rate;
  for (int car = 0; car < 3; ++car) {
    const double when = uniform(random, -0.5, seconds + 0.5);
    const double width = uniform(random, 0.6, 1.4);
    const double loud = uniform(random, 0.5, 1.0);
    // Beyond four widths a car adds nothing that can be heard.
    const auto from = static_cast<std::ptrdiff_t>((when - 4 * width) * rate);
    const auto to = static_cast<std::ptrdiff_t>((when + 4 * width) * rate);
    for (std::ptrdiff_t i = std::max<std::ptrdiff_t>(from, 0);
         i < std::min<std::ptrdiff_t>(to, static_cast<std::ptrdiff_t>(n)); ++i) {
      const double t = (static_cast<double>(i) / rate - when) / width;
      envelope[static_cast<std::size_t>(i)] += static_cast<float>(loud * std::exp(-t * t));
    }
  }
  for (std::size_t i = 0; i < n; ++i) (*rumble)[i] *= envelope[i];
  return atSpeechRate(std::move(rumble), length, rateHz);
}

std::optional<std::vector<float>> CrowdBabble(std::size_t length, int rateHz,
                                              const Talkers& talkers, std::mt19937& random) {
  const int rate = noiseRate(rateHz);
  return atSpeechRate(
      shaped(babble(noiseLength(length, rateHz), rate, talkers, kCrowdTalkers, random), rate,
             kCrowdRoom),
      length, rateHz);
}

std::optional<std::vector<float>> HallEcho(const std::vector<float>& speech, int rateHz) {
  auto hall = shaped(speech, rateHz, kHall);
  if (hall) normalise(*hall, static_cast<float>(std::sqrt(power(speech))));
  return hall;
}

std::optional<std::vector<float>> StationNoise(std::size_t length, int rateHz,
                                               const Talkers& talkers, std::mt19937& random) {
  const int rate = noiseRate(rateHz);
  const std::size_t n = noiseLength(length, rateHz);
  std::vector<float> crowd = babble(n, rate, talkers, kStationTalkers, random);
  // One talker over the loudspeakers, from a drawn point of its speech; the
  // hall echoes it with the crowd.
  Talkers announcer;
  if (!talkers.voices.empty())
    announcer.voices.push_back(talkers.voices[random() % talkers.voices.size()]);
  auto announcement = shaped(babble(n, rate, announcer, 1, random), rate, kLoudspeaker);
  if (!announcement) return std::nullopt;
  addInto(crowd, *announcement, 0.9f);
  auto hall = shaped(std::move(crowd), rate, kHallCrowd);
  auto trains = shaped(whiteNoise(n, random), rate, kTrainRumble);
  if (!hall || !trains) return std::nullopt;
  addInto(*hall, *trains, 0.5f);
  return atSpeechRate(std::move(hall), length, rateHz);
}

}  // namespace ruzdo
