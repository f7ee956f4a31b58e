// Latency of Ruzdo's speech output with the real engine, in the program:
// from a plate click or a question tick to the moment the waveform is handed
// to the sound output (synthesised on the worker thread, made ahead, or from
// the cache); the longest the GUI thread goes without turning its event loop
// while plates are clicked quickly; questions said in sentences, made ahead
// or not; and memory after 1,000 utterances.
// Medians of many tries. (What is heard, through a real sound server, is
// measured by sound_latency.sh.)
//   speech_latency            (QT_QPA_PLATFORM=offscreen is set for you)
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "Unit1.h"
#include "event_loop_meter.h"
#include "onsei/onsei.h"
#include "platform/sound_output.h"
#include "speech/speech_cache.h"
#include "widgets/plate_button.h"

namespace {

struct TimingOutput : ruzdo::SoundOutput {
  QElapsedTimer* clock = nullptr;
  qint64 playedAt = -1;
  int plays = 0;
  double playedMs = 0;  // how long the last sound lasts (48 kHz, 16-bit mono)
  void play(ruzdo::WaveRef wave) override {
    playedAt = clock->nsecsElapsed();
    ++plays;
    playedMs = wave && wave->size() > 44 ? (wave->size() - 44) / 96.0 : 0;
  }
  void beep() override {}
};

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each figure as soon as it is known
  QApplication app(argc, argv);
  QElapsedTimer clock;
  clock.start();
  TimingOutput output;
  output.clock = &clock;
  TMainForm form;
  form.setSoundOutput(&output);
  form.resize(930, 631);
  form.show();

  // Waits for the next sound and gives the ms from `start` to it.
  auto untilPlayed = [&](qint64 start, int before) -> double {
    if (!QTest::qWaitFor([&] { return output.plays > before; }, 20000)) return -1;
    return (output.playedAt - start) / 1e6;
  };
  auto clickLatency = [&](int plate) {
    const int before = output.plays;
    const qint64 start = clock.nsecsElapsed();
    QTest::mouseClick(form.RuzdoPole->Plates()[static_cast<std::size_t>(plate)], Qt::LeftButton);
    return untilPlayed(start, before);
  };

  // Nothing made ahead: the speed changes just before each click.
  std::vector<double> cold;
  for (int i = 0; i < 10; ++i) {
    form.sSpechSpeed->setValue(60 + i);
    cold.push_back(clickLatency(i));
  }
  form.sSpechSpeed->setValue(90);
  QTest::qWait(2000);  // the grid laid out and idle: its sounds are made ahead
  std::vector<double> ahead, cached;
  for (int i = 0; i < 10; ++i) ahead.push_back(clickLatency(i));
  for (int round = 0; round < 5; ++round)
    for (int i = 0; i < 10; ++i) cached.push_back(clickLatency(i));
  std::printf("click to sound output, synthesised on the worker: median %.1f ms, max %.1f ms\n",
              median(cold), *std::max_element(cold.begin(), cold.end()));
  std::printf("click to sound output, after 2 s idle (made ahead): median %.3f ms, max %.3f ms\n",
              median(ahead), *std::max_element(ahead.begin(), ahead.end()));
  std::printf("click to sound output, heard before (cache):       median %.3f ms\n",
              median(cached));

  // A question tick, answered at once: ms from the tick to its sound.
  auto tickLatency = [&] {
    const int before = output.plays;
    const qint64 start = clock.nsecsElapsed();
    form.tMainTimer();
    const double ms = untilPlayed(start, before);
    form.Answered = true;
    return ms;
  };
  // Numbers of 0 ... 9.
  std::vector<double> ticks;
  form.bStartClick();
  form.tMain->stop();
  for (int i = 0; i < 30; ++i) ticks.push_back(tickLatency());
  form.bStopClick();
  std::printf("tick to sound output (range 0 ... 9, made ahead): median %.3f ms, max %.3f ms\n",
              median(ticks), *std::max_element(ticks.begin(), ticks.end()));

  // Questions in sentences, numbers and then digit sequences: each tick
  // once the sound before it has been said and 0.5 s more, as a run with the
  // interval counted from the end of speech has them (the next question is
  // made meanwhile).
  auto sentenceTicks = [&](int pauseMs) {
    std::vector<double> v;
    for (int run = 0; run < 2; ++run) {
      form.bStartClick();
      form.tMain->stop();
      QTest::qWait(2000);  // the first interval
      for (int i = 0; i < 10; ++i) {
        v.push_back(tickLatency());
        QTest::qWait(static_cast<int>(output.playedMs) + pauseMs);
      }
      form.bStopClick();
    }
    return v;
  };
  auto reportTicks = [](const char* what, const std::vector<double>& v) {
    std::printf("%s: median %.3f ms, max %.3f ms\n", what, median(v),
                *std::max_element(v.begin(), v.end()));
  };
  form.sSentences->setChecked(true);
  reportTicks("tick to sound output, in sentences, after speech + 0.5 s (made ahead)",
              sentenceTicks(500));
  form.sTemplate->setText(QStringLiteral("0__-____-____"));
  form.gEasyItems1Click();
  reportTicks("tick to sound output, sequences in sentences, after speech + 0.5 s",
              sentenceTicks(500));
  form.sSentences->setChecked(false);
  reportTicks("tick to sound output, sequences alone, after speech + 0.5 s", sentenceTicks(500));
  form.gEasyItems0Click();
  form.sTemplate->setText(QString());
  form.ApplySettings();
  // "Разные": a voice drawn for every question, 1.5 s apart (a short
  // interval); the figure that matters is for questions in a voice not heard
  // before, which the next question's voice drawn ahead makes ready.
  form.sVoice->setCurrentIndex(form.sVoice->count() - 1);
  const long beforeVoices = rssKiB();
  std::vector<double> newVoice, knownVoice;
  std::set<std::string> heard;
  form.bStartClick();
  form.tMain->stop();
  QTest::qWait(1500);
  for (int i = 0; i < 40; ++i) {
    const double ms = tickLatency();
    (heard.insert(form.lastSaidVoice()).second ? newVoice : knownVoice).push_back(ms);
    QTest::qWait(1500);
  }
  form.bStopClick();
  form.sVoice->setCurrentIndex(0);
  std::printf(
      "tick to sound output, \"Разные\", a voice not heard before: median %.3f ms, max %.3f ms "
      "(%zu questions); a voice heard before: median %.3f ms\n",
      median(newVoice), newVoice.empty() ? 0 : *std::max_element(newVoice.begin(), newVoice.end()),
      newVoice.size(), median(knownVoice));
  // Every voice loaded: what the engine's voices hold in memory.
  for (int v = 0; v < Onsei_VoiceCount(); ++v) {
    int size = 0;
    Onsei_FreeWave(Onsei_SyntheVoice("<NUM VAL=1>", 100, Onsei_VoiceName(v), &size));
  }
  std::printf("resident memory: %.1f MiB before \"Разные\", %.1f MiB with all %d voices loaded\n",
              beforeVoices / 1024.0, rssKiB() / 1024.0, Onsei_VoiceCount());

  // Quick clicks on plates, 30 ms apart: the event loop's longest pause,
  // first with every sound heard before (what clicking and painting alone
  // cost), then with plates never heard at this speed while the engine works
  // (what speech adds to it).
  auto clickQuickly = [&] {
    StallMeter meter;
    meter.start();
    for (int i = 0; i < 10; ++i) {
      QTest::mouseClick(form.RuzdoPole->Plates()[static_cast<std::size_t>(i)], Qt::LeftButton);
      QTest::qWait(30);
    }
    QTest::qWait(500);
    return meter.stop();
  };
  std::vector<double> baseline, stalls;
  for (int round = 0; round < 5; ++round) baseline.push_back(clickQuickly());
  for (int round = 0; round < 5; ++round) {
    form.sSpechSpeed->setValue(150 + round);
    stalls.push_back(clickQuickly());
  }
  std::printf(
      "longest GUI-thread stall clicking quickly, sounds cached: median %.1f ms, max %.1f ms\n",
      median(baseline), *std::max_element(baseline.begin(), baseline.end()));
  std::printf(
      "longest GUI-thread stall clicking quickly, synthesising: median %.1f ms, max %.1f ms\n",
      median(stalls), *std::max_element(stalls.begin(), stalls.end()));

  // Memory over 1,000 utterances of distinct numbers (cache bounded).
  auto speakAll = [&](int first) {
    for (int i = 0; i < 1000; ++i) {
      const int before = output.plays;
      form.SpeakNumber(first + i, 90);
      untilPlayed(0, before);
    }
  };
  const long before = rssKiB();
  speakAll(1000);
  const long after = rssKiB();
  speakAll(5000);
  const long after2 = rssKiB();
  std::printf(
      "resident memory: %.1f MiB before, %.1f MiB after 1,000 utterances, %.1f MiB after "
      "2,000 (cache %zu entries)\n",
      before / 1024.0, after / 1024.0, after2 / 1024.0, form.speechCache().size());
  return 0;
}
