// Latency of Ruzdo's speech output with the real engine: from a plate click
// or a question tick to the moment the waveform is handed to the sound
// output, first (synthesised) and again (from the cache); and memory after
// 1,000 utterances.
//   speech_latency            (QT_QPA_PLATFORM=offscreen is set for you)
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSpinBox>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "Unit1.h"
#include "platform/sound_output.h"
#include "platform/speech_cache.h"
#include "widgets/plate_button.h"

namespace {

struct TimingOutput : ruzdo::SoundOutput {
  QElapsedTimer* clock = nullptr;
  qint64 playedAt = -1;
  void play(ruzdo::WaveRef) override { playedAt = clock->nsecsElapsed(); }
  void beep() override {}
};

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

long rssKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QElapsedTimer clock;
  clock.start();
  TimingOutput output;
  output.clock = &clock;
  TMainForm form;
  form.setSoundOutput(&output);
  form.resize(930, 631);
  form.show();

  auto clickLatency = [&](int plate) {
    const qint64 start = clock.nsecsElapsed();
    QTest::mouseClick(form.RuzdoPole->Plates()[static_cast<std::size_t>(plate)], Qt::LeftButton);
    return (output.playedAt - start) / 1e6;
  };
  std::vector<double> cold, cached;
  for (int i = 0; i < 10; ++i) cold.push_back(clickLatency(i));
  for (int round = 0; round < 5; ++round)
    for (int i = 0; i < 10; ++i) cached.push_back(clickLatency(i));
  std::printf("click to sound output, first time (synthesis): median %.1f ms, max %.1f ms\n",
              median(cold), *std::max_element(cold.begin(), cold.end()));
  std::printf("click to sound output, heard before (cache):   median %.3f ms\n", median(cached));

  // A question tick: draws a number of 0 ... 9 and speaks it.
  std::vector<double> ticks;
  form.bStartClick();
  for (int i = 0; i < 30; ++i) {
    const qint64 start = clock.nsecsElapsed();
    form.tMainTimer();
    ticks.push_back((output.playedAt - start) / 1e6);
    form.Answered = true;
  }
  form.bStopClick();
  std::printf("tick to sound output (range 0 ... 9, mostly cached): median %.3f ms\n",
              median(ticks));

  // Memory over 1,000 utterances of distinct numbers (cache bounded).
  const long before = rssKiB();
  for (int i = 0; i < 1000; ++i) form.SpeakNumber(1000 + i, 90);
  const long after = rssKiB();
  for (int i = 0; i < 1000; ++i) form.SpeakNumber(5000 + i, 90);
  const long after2 = rssKiB();
  std::printf("resident memory: %.1f MiB before, %.1f MiB after 1,000 utterances, %.1f MiB after "
              "2,000 (cache %zu entries)\n",
              before / 1024.0, after / 1024.0, after2 / 1024.0, form.speechCache().size());
  return 0;
}
