// Times the engine on typical questions against the whole Open JTalk process
// for the same utterances, and prints medians, ratios, the real-time factor,
// the cost of the first call (voice load), the front end's share and peak
// memory.
//   synthesis_bench [ROUNDS]
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "labels/full_context.hpp"
#include "onsei/front_end.hpp"
#include "onsei/onsei.h"
#include "text/shift_jis.hpp"

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

struct Question {
  const char* name;
  const char* ours;  // phonetic text, UTF-8
  const char* peer;  // the same for Open JTalk
};

}  // namespace

int main(int argc, char* argv[]) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
  const Question questions[] = {
      {"plain number 58", "<NUMK VAL=58 COUNTER=>。", "58。"},
      {"number + counter 25本", "<NUMK VAL=25 COUNTER=ほん>。", "二十五本。"},
      {"digit sequence 4-07", "<NUM VAL=4-07>", "よんのぜろなな"},
  };

  // The first call loads the voice.
  const std::string warm = onsei::EncodeShiftJis("<NUMK VAL=1 COUNTER=>").value();
  int size = 0;
  auto t0 = Clock::now();
  unsigned char* first = Onsei_Synthe(warm.c_str(), 100, &size);
  const double firstCall = ms(Clock::now() - t0);
  Onsei_FreeWave(first);
  t0 = Clock::now();
  first = Onsei_Synthe(warm.c_str(), 100, &size);
  const double secondCall = ms(Clock::now() - t0);
  Onsei_FreeWave(first);
  std::printf("first call %.1f ms (second %.1f ms): voice load about %.1f ms\n\n", firstCall,
              secondCall, firstCall - secondCall);

  const bool havePeer = access("/usr/bin/open_jtalk", X_OK) == 0;
  std::printf("%-24s %10s %10s %8s %8s %10s %8s\n", "utterance", "onsei ms", "peer ms", "ratio",
              "audio s", "RTF", "front %");
  for (const Question& q : questions) {
    const std::string text = onsei::EncodeShiftJis(q.ours).value();
    std::vector<double> ours, peer, front;
    double audio = 0;
    for (int r = 0; r < rounds; ++r) {
      auto t = Clock::now();
      unsigned char* wav = Onsei_Synthe(text.c_str(), 100, &size);
      ours.push_back(ms(Clock::now() - t));
      audio = (size - 44) / 2.0 / 48000.0;
      Onsei_FreeWave(wav);

      t = Clock::now();
      auto u = onsei::AnalyseText(text);
      auto labels = onsei::MakeLabels(*u);
      front.push_back(ms(Clock::now() - t));

      if (havePeer) {
        std::ofstream("/tmp/onsei_bench.txt") << q.peer << '\n';
        t = Clock::now();
        const int rc = std::system(
            "open_jtalk -x /var/lib/mecab/dic/open-jtalk/naist-jdic -m "
            "/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice "
            "-ow /tmp/onsei_bench.wav /tmp/onsei_bench.txt");
        if (rc == 0) peer.push_back(ms(Clock::now() - t));
      }
    }
    const double o = median(ours), p = median(peer);
    std::printf("%-24s %10.1f %10.1f %8.2f %8.2f %10.3f %8.2f\n", q.name, o, p, p > 0 ? o / p : 0,
                audio, o / 1000.0 / audio, 100.0 * median(front) / o);
  }
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("\npeak memory (max RSS) %.1f MiB\n", usage.ru_maxrss / 1024.0);
  return 0;
}
