#pragma once
// What the benchmarks of the program's window measure about it: the longest
// gap between turns of the GUI thread's event loop, and resident memory.
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <string>

inline long rssKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

// The longest gap between turns of the event loop, in ms, between start and stop.
struct StallMeter {
  QElapsedTimer clock;
  QTimer tick;
  qint64 last = 0;
  qint64 longest = 0;
  StallMeter() {
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [this] {
      const qint64 now = clock.nsecsElapsed();
      longest = std::max(longest, now - last);
      last = now;
    });
  }
  void start() {
    clock.start();
    last = 0;
    longest = 0;
    tick.start();
  }
  double stop() {
    tick.stop();
    return longest / 1e6;
  }
};
