// What pressing «Применить» costs when the range moves from 0 ... 9 to high
// numbers and back to 0 ... 9 in 10 columns: how long the click holds the GUI
// thread, and for the way back the longest stall of its event loop in the
// 3 s after, the CPU time the program (all its threads: speech made ahead
// included) spends from the click to then, and resident memory at the end.
//   grid_apply_bench            (QT_QPA_PLATFORM=offscreen is set for you)
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <cstdio>

#include "Unit1.h"
#include "event_loop_meter.h"
#include "platform/sound_output.h"

namespace {

struct SilentOutput : ruzdo::SoundOutput {
  void play(ruzdo::WaveRef) override {}
  void beep() override {}
};

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  QApplication app(argc, argv);
  SilentOutput output;
  TMainForm form;
  form.setSoundOutput(&output);
  form.resize(930, 631);
  form.show();
  QTest::qWait(500);

  const auto apply = [&](int min, int max) {
    form.sCols->setValue(10);
    form.sMinRuzdo->setValue(min);
    form.sMaxRuzdo->setValue(max);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(form.sApply, Qt::LeftButton);
    return clock.nsecsElapsed() / 1e6;
  };
  const int ranges[][2] = {{99990, 100000}, {50000, 50099}, {1950, 2049}, {0, 99}};
  for (const auto& from : ranges) {
    std::printf("0-9 -> %d-%d: click held the GUI thread %.1f ms\n", from[0], from[1],
                apply(from[0], from[1]));
    QTest::qWait(3000);  // the old range's sounds made ahead, as a user waits
    const double cpuBefore = cpuSeconds();
    const double held = apply(0, 9);
    StallMeter meter;
    meter.start();
    QTest::qWait(3000);
    std::printf(
        "%d-%d -> 0-9: click held the GUI thread %.1f ms; longest stall after it %.1f ms; "
        "CPU %.2f s from the click to 3 s after it; %d plates; resident %.1f MiB\n",
        from[0], from[1], held, meter.stop(), cpuSeconds() - cpuBefore,
        static_cast<int>(form.RuzdoPole->Plates().size()), rssKiB() / 1024.0);
  }
  return 0;
}
