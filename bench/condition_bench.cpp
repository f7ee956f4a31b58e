// Times the listening conditions on an utterance of about 4 s made by the
// engine, and prints, per condition, the median processor time and the speech-to-noise
// ratio measured on the result (what was heard less the speech alone).
//   condition_bench [ROUNDS] [OUT_DIR]
// With OUT_DIR, writes each condition's sound at 15 and -5 dB there, with
// the speech alone beside it, for listening and for measuring recordings.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "speech/speech_engine.h"
#include "core/listening_condition.h"
#include "core/pcm_wave.h"
#include "core/speech_text.h"
#include "onsei/onsei.h"

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// The processor time of this thread: the machine may be busy with others.
double cpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void save(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char* argv[]) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  const std::string outDir = argc > 2 ? argv[2] : "";
  const auto text = ruzdo::ToShiftJis("<NUMK VAL=13456 COUNTER=えん>、<NUMK VAL=27 COUNTER=ほん>。");
  int size = 0;
  unsigned char* image = text ? Onsei_Synthe(text->c_str(), 100, &size) : nullptr;
  if (!image) return std::fprintf(stderr, "condition_bench: %s\n", Onsei_LastError()), 1;
  const std::vector<unsigned char> wav(image, image + size);
  Onsei_FreeWave(image);
  const auto speech = ruzdo::ReadPcmWave(wav.data(), wav.size());
  const double seconds = static_cast<double>(speech->samples.size()) / speech->rateHz;

  auto start = Clock::now();
  const ruzdo::Talkers& talkers = ruzdo::BabbleTalkers();
  std::printf("utterance %.2f s at %d Hz; babble of %zu sentences made once in %.0f ms\n", seconds,
              speech->rateHz, talkers.voices.size(),
              std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  std::printf("%-8s %8s %12s %10s %10s\n", "", "cpu ms", "per 4 s", "at 15 dB", "at -5 dB");
  if (!outDir.empty()) save(outDir + "/quiet.wav", wav);
  for (const auto& info : ruzdo::ListeningConditions()) {
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
      const double before = cpuMs();
      const auto heard = ruzdo::ApplyListeningCondition(
          wav.data(), wav.size(), {info.condition, 5, static_cast<std::uint32_t>(r), &talkers});
      times.push_back(cpuMs() - before);
      if (!heard) return std::fprintf(stderr, "condition_bench: %s failed\n", info.name.data()), 1;
    }
    const double ms = median(times);
    std::printf("%-8s %8.2f %12.2f", info.key.empty() ? "quiet" : info.key.data(), ms,
                ms * 4 / seconds);
    for (double db : {15.0, -5.0}) {
      const ruzdo::ConditionRequest request{info.condition, db, 1, &talkers};
      const auto heard = ruzdo::ApplyListeningCondition(wav.data(), wav.size(), request);
      const auto parts = ruzdo::RenderConditionParts(*speech, request);
      const auto sound = ruzdo::ReadPcmWave(heard->data(), heard->size());
      std::vector<float> noise(sound->samples.size());
      for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = sound->samples[i] - parts->speech[i];
      if (info.noisy)
        std::printf(" %10.2f", ruzdo::SpeechToNoiseDb(parts->speech, noise, parts->speechBegin,
                                                      parts->speechEnd));
      else
        std::printf(" %10s", "-");
      if (!outDir.empty() && info.condition != ruzdo::ListeningCondition::kQuiet) {
        const std::string name =
            outDir + "/" + std::string(info.key) + "_" + std::to_string(static_cast<int>(db));
        save(name + ".wav", *heard);
        save(name + "_speech.wav", ruzdo::WritePcmWave({parts->rateHz, parts->speech}));
      }
    }
    std::printf("\n");
  }
  return 0;
}
