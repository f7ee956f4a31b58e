// Measures every voice preset on the same 20 questions (numbers with
// counters and digit sequences) and prints, per preset: the median F0 and
// its 5th and 95th percentiles, the shift from the standard voice in half
// tones, the spectral centroid, the distance of the long-term spectrum from
// the standard voice's, how well the pitch contour keeps the standard
// voice's shape, the time per mora, the loudness of the speech, the peak,
// the clipped samples and the synthesis time; then the time each voice file
// took to load and the memory all of them hold.
//   onsei_voice_report [--wav DIR]    (--wav also writes every sample)
//   onsei_voice_report --track FILE.wav   the pitch track of one file
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "onsei/front_end.hpp"
#include "onsei/synthesis.hpp"
#include "speech_measures.hpp"
#include "text/shift_jis.hpp"
#include "voice/voice_presets.hpp"

namespace {

namespace m = onsei::measure;

const char* const kQuestions[] = {
    "<NUMK VAL=3 COUNTER=ほん>。",
    "<NUMK VAL=25 COUNTER=ほん>。",
    "<NUMK VAL=8 COUNTER=ひき>。",
    "<NUMK VAL=1984 COUNTER=ねん>。",
    "<NUMK VAL=4 COUNTER=がつ>。",
    "<NUMK VAL=20 COUNTER=にち>。",
    "<NUMK VAL=7 COUNTER=じ>。",
    "<NUMK VAL=10 COUNTER=ふん>。",
    "<NUMK VAL=350 COUNTER=えん>。",
    "<NUMK VAL=6 COUNTER=かい>。",
    "<NUMK VAL=9 COUNTER=にん>。",
    "<NUMK VAL=100 COUNTER=ぱーせ'んと>。",
    "<NUMK VAL=12000 COUNTER=>。",
    "<NUMK VAL=58 COUNTER=>。",
    "<NUMK VAL=1 COUNTER=つき>。",
    "<NUMK VAL=33 COUNTER=さい>。",
    "<NUM VAL=4-07>",
    "<NUM VAL=090-1234-5678>",
    "<NUM VAL=03-12>",
    "<NUM VAL=8-96-0>",
};

struct Sample {
  std::vector<std::int16_t> samples;
  int rate = 0;
  int moras = 0;
  double ms = 0;  // synthesis time
};

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Resident memory of this process, in MB.
double residentMb() {
  std::FILE* f = std::fopen("/proc/self/statm", "r");
  unsigned long pages = 0, resident = 0;
  if (f) {
    if (std::fscanf(f, "%lu %lu", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return static_cast<double>(resident) * 4096 / (1 << 20);
}

int moraCount(const onsei::Utterance& u) {
  int n = 0;
  for (const auto& g : u.groups)
    for (const auto& p : g.phrases) n += p.moraCount();
  return n;
}

// The 16-bit mono samples of a WAV image as the engine writes it.
std::vector<std::int16_t> pcm(const std::vector<unsigned char>& wav) {
  std::vector<std::int16_t> s;
  for (std::size_t i = 44; i + 1 < wav.size(); i += 2)
    s.push_back(static_cast<std::int16_t>(wav[i] | (wav[i + 1] << 8)));
  return s;
}

int rateOf(const std::vector<unsigned char>& wav) {
  return wav.size() < 28 ? 0 : wav[24] | (wav[25] << 8) | (wav[26] << 16) | (wav[27] << 24);
}

// Prints time and F0 of every voiced 10 ms frame of a WAV file.
int printTrack(const char* path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> wav((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
  const std::vector<double> track = m::PitchTrack(pcm(wav), rateOf(wav));
  for (std::size_t i = 0; i < track.size(); ++i)
    if (track[i] > 0)
      std::printf("%.2f\t%.1f\n", static_cast<double>(i) * m::kFrameSeconds, track[i]);
  return in ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 3 && std::strcmp(argv[1], "--track") == 0) return printTrack(argv[2]);
  std::string wavDir;
  if (argc == 3 && std::strcmp(argv[1], "--wav") == 0) wavDir = argv[2];

  // Every voice file loaded once, timed, with the memory before and after.
  const double memoryBefore = residentMb();
  std::map<const onsei::VoiceFile*, double> loadMs;
  for (const onsei::VoicePreset& preset : onsei::VoicePresets()) {
    if (loadMs.count(preset.file)) continue;
    const auto start = Clock::now();
    const onsei::Status loaded = onsei::Synthesiser::Instance().LoadVoice(preset.name);
    loadMs[preset.file] = msSince(start);
    if (!loaded) {
      std::fprintf(stderr, "%s: %s\n", preset.name.c_str(), loaded.error().message.c_str());
      return 1;
    }
  }
  const double memoryLoaded = residentMb();

  std::vector<std::vector<Sample>> all;  // [preset][question]
  for (const onsei::VoicePreset& preset : onsei::VoicePresets()) {
    std::vector<Sample> row;
    int q = 0;
    for (const char* question : kQuestions) {
      const std::string sjis = onsei::EncodeShiftJis(question).value();
      const auto start = Clock::now();
      auto wav = onsei::Synthesiser::Instance().Synthesise(sjis, onsei::kNormalSpeed, preset.name);
      const double ms = msSince(start);
      if (!wav) {
        std::fprintf(stderr, "%s: %s: %s\n", preset.name.c_str(), question,
                     wav.error().message.c_str());
        return 1;
      }
      if (!wavDir.empty())
        std::ofstream(wavDir + "/" + preset.name + "-" + std::to_string(++q) + ".wav",
                      std::ios::binary)
            .write(reinterpret_cast<const char*>(wav->data()),
                   static_cast<std::streamsize>(wav->size()));
      row.push_back({pcm(*wav), rateOf(*wav), moraCount(onsei::AnalyseText(sjis).value()), ms});
    }
    all.push_back(std::move(row));
  }

  std::printf("%zu questions per voice, speed %d\n\n", std::size(kQuestions), onsei::kNormalSpeed);
  std::printf("%-13s %7s %9s %7s %8s %7s %7s %7s %6s %6s %5s %5s\n", "voice", "F0 Hz", "F0 p5-p95",
              "shift", "centroid", "LTAS dB", "contour", "ms/mora", "dB FS", "peak", "clip", "ms");
  double standardMedian = 0;
  std::vector<std::vector<double>> standardSpectra, standardTracks;
  for (std::size_t v = 0; v < all.size(); ++v) {
    std::vector<double> f0, distances, correlations, centroids, levels, times;
    double seconds = 0, moras = 0;
    int peak = 0, clipped = 0;
    for (std::size_t q = 0; q < all[v].size(); ++q) {
      const Sample& s = all[v][q];
      const std::vector<double> track = m::PitchTrack(s.samples, s.rate);
      const std::vector<double> spectrum = m::LongTermSpectrum(s.samples, s.rate);
      if (v == 0) {
        standardTracks.push_back(track);
        standardSpectra.push_back(spectrum);
      }
      for (double f : m::Voiced(track)) f0.push_back(f);
      distances.push_back(m::SpectralDistance(standardSpectra[q], spectrum));
      correlations.push_back(m::ContourCorrelation(standardTracks[q], track));
      centroids.push_back(m::SpectralCentroid(s.samples, s.rate));
      seconds += m::SpeechSeconds(s.samples, s.rate);
      moras += s.moras;
      for (auto x : s.samples) peak = std::max(peak, std::abs(static_cast<int>(x)));
      clipped += m::ClippedSamples(s.samples);
      levels.push_back(m::ActiveLevelDb(s.samples, s.rate));
      times.push_back(s.ms);
    }
    const double median = m::Median(f0);
    if (v == 0) standardMedian = median;
    char range[32];
    std::snprintf(range, sizeof range, "%.0f-%.0f", m::Quantile(f0, 0.05), m::Quantile(f0, 0.95));
    std::printf("%-13s %7.1f %9s %+7.2f %8.0f %7.2f %7.3f %7.1f %6.1f %6d %5d %5.0f\n",
                onsei::VoicePresets()[v].name.c_str(), median, range,
                m::Semitones(standardMedian, median), m::Median(centroids), m::Median(distances),
                m::Median(correlations), 1000 * seconds / moras, m::Median(levels), peak, clipped,
                m::Median(times));
  }
  // A yardstick for the spectral distances: how far apart two different
  // questions are in the same, standard voice.
  std::vector<double> between;
  for (std::size_t q = 0; q < standardSpectra.size(); ++q)
    between.push_back(
        m::SpectralDistance(standardSpectra[q], standardSpectra[(q + 1) % standardSpectra.size()]));
  std::printf("\nLTAS dB between two different questions in the standard voice: %.2f\n",
              m::Median(between));
  std::printf("\nvoice files: load ms");
  for (const auto& [file, ms] : loadMs) std::printf(" %s %.0f;", file->file.c_str(), ms);
  std::printf(
      "\nresident memory: %.1f MB before the voices, %.1f MB with all %zu loaded (+%.1f MB)\n",
      memoryBefore, memoryLoaded, loadMs.size(), memoryLoaded - memoryBefore);
  std::printf(
      "\nshift: median F0 against the standard voice, in half tones. centroid: median "
      "spectral centroid (Hz). LTAS dB: median distance of the long-term spectrum from the "
      "standard voice's, level removed. contour: median correlation of the pitch contour with "
      "the standard voice's (the accent's shape). ms/mora: speech time per mora. dB FS: "
      "median active speech level. ms: median synthesis time of one question.\n");
  return 0;
}
