// Measures a recording of the program under a listening condition: finds the
// speech in it (the engine's sound of TEXT as the condition delivers it to
// the ear, without the noise), takes the speech out, and prints the
// speech-to-noise ratio over the speech part. With "phone", prints instead
// the energy below 200 Hz and above 3.6 kHz against the 300-3400 Hz band.
// SPEED is the program's speech speed (90 unless changed).
//   condition_measure RECORDING.wav TEXT CONDITION [SPEED]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/listening_condition.h"
#include "core/pcm_wave.h"
#include "core/sox_effects.h"
#include "core/speech_text.h"
#include "onsei/onsei.h"

namespace {

std::vector<float> blocks(const std::vector<float>& x, std::size_t n) {
  std::vector<float> out(x.size() / n);
  for (std::size_t i = 0; i < out.size(); ++i)
    for (std::size_t k = 0; k < n; ++k) out[i] += x[i * n + k];
  return out;
}

// The lag of `part` (from begin to end) in `r` with the largest correlation,
// searched within [from, to).
long bestLag(const std::vector<float>& r, const std::vector<float>& s, std::size_t begin,
             std::size_t end, long from, long to) {
  long best = from;
  double top = -1e300;
  for (long lag = from; lag < to; ++lag) {
    double c = 0;
    for (std::size_t i = begin; i < end; ++i) {
      const long j = static_cast<long>(i) + lag;
      if (j >= 0 && j < static_cast<long>(r.size())) c += static_cast<double>(r[j]) * s[i];
    }
    if (c > top) top = c, best = lag;
  }
  return best;
}

double db(double x) { return 10 * std::log10(std::max(x, 1e-20)); }

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 4)
    return std::fprintf(stderr, "usage: condition_measure REC.wav TEXT CONDITION [SPEED]\n"), 2;
  const int speed = argc > 4 ? std::atoi(argv[4]) : 90;
  std::ifstream file(argv[1], std::ios::binary);
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
  const auto recording = ruzdo::ReadPcmWave(bytes.data(), bytes.size());
  if (!recording)
    return std::fprintf(stderr, "condition_measure: %s is no 16-bit mono WAV\n", argv[1]), 1;
  const int rate = recording->rateHz;
  const std::vector<float>& r = recording->samples;

  if (std::string(argv[3]) == "phone") {
    auto band = [&](std::vector<ruzdo::SoxEffect> effects) {
      const auto x = ruzdo::RunSoxEffects(r, rate, effects);
      return x ? ruzdo::MeanPower(*x, 0, x->size()) : 0.0;
    };
    const double inside = band({{"sinc", "-a", "100", "-t", "40", "300-3400"}});
    std::printf("below 200 Hz %.1f dB, above 3.6 kHz %.1f dB (against 300-3400 Hz)\n",
                db(band({{"sinc", "-a", "100", "-t", "40", "-200"}}) / inside),
                db(band({{"sinc", "-a", "100", "-t", "40", "3600"}}) / inside));
    return 0;
  }

  const auto text = ruzdo::ToShiftJis(argv[2]);
  int size = 0;
  unsigned char* image = text ? Onsei_Synthe(text->c_str(), speed, &size) : nullptr;
  if (!image) return std::fprintf(stderr, "condition_measure: %s\n", Onsei_LastError()), 1;
  const auto utterance = ruzdo::ReadPcmWave(image, static_cast<std::size_t>(size));
  Onsei_FreeWave(image);
  // The speech part alone does not depend on the noise's seed or level.
  const auto parts =
      ruzdo::RenderConditionParts(*utterance, {ruzdo::ConditionFromKey(argv[3]), 0, 1, nullptr});
  if (!utterance || !parts || utterance->rateHz != rate)
    return std::fprintf(stderr, "condition_measure: the engine's sound is not at %d Hz\n", rate), 1;
  const std::vector<float>& s = parts->speech;
  const std::size_t begin = parts->speechBegin, end = parts->speechEnd;

  // Coarse in blocks of 16 samples over the whole recording, then exact.
  constexpr std::size_t kBlock = 16;
  const long coarse =
      bestLag(blocks(r, kBlock), blocks(s, kBlock), begin / kBlock, end / kBlock,
              -static_cast<long>(s.size() / kBlock), static_cast<long>(r.size() / kBlock)) *
      static_cast<long>(kBlock);
  const long lag = bestLag(r, s, begin, end, coarse - 2 * static_cast<long>(kBlock),
                           coarse + 2 * static_cast<long>(kBlock));
  double rs = 0, ss = 0;
  for (std::size_t i = begin; i < end; ++i) {
    const long j = static_cast<long>(i) + lag;
    const float ri = j >= 0 && j < static_cast<long>(r.size()) ? r[j] : 0.0f;
    rs += static_cast<double>(ri) * s[i];
    ss += static_cast<double>(s[i]) * s[i];
  }
  const double gain = rs / ss;
  std::vector<float> speech(end - begin), noise(end - begin);
  for (std::size_t i = begin; i < end; ++i) {
    const long j = static_cast<long>(i) + lag;
    const float ri = j >= 0 && j < static_cast<long>(r.size()) ? r[j] : 0.0f;
    speech[i - begin] = static_cast<float>(gain * s[i]);
    noise[i - begin] = ri - speech[i - begin];
  }
  std::printf("speech at %.3f s, gain %.3f: speech-to-noise %.2f dB over %.2f s of speech\n",
              static_cast<double>(lag + static_cast<long>(begin)) / rate, gain,
              ruzdo::SpeechToNoiseDb(speech, noise, 0, speech.size()),
              static_cast<double>(end - begin) / rate);
  return 0;
}
