// How soon the sound server starts a sound handed to a speech channel: from
// play() to the server's report that the stream started, for the first sound
// of a channel, a sound after the channel has idled, and a sound cutting off
// one still playing. Runs against the present sound server (PULSE_SERVER).
//   output_start [TRIES]
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/pulse_channel.h"

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  const int tries = std::max(5, argc > 1 ? std::atoi(argv[1]) : 7);
  std::atomic<bool> failed{false};
  std::atomic<Clock::rep> startedAt{0};
  ruzdo::PulseChannel channel(
      "Ruzdo bench",
      [&](const std::string& reason) {
        std::fprintf(stderr, "no sound output: %s\n", reason.c_str());
        failed = true;
      },
      nullptr, [&] { startedAt = Clock::now().time_since_epoch().count(); });

  // Two seconds of a soft tone, 48 kHz mono.
  const std::size_t samples = 2 * 48000;
  auto* pcm = new short[samples];
  for (std::size_t i = 0; i < samples; ++i)
    pcm[i] = static_cast<short>(4000 * std::sin(static_cast<double>(i) * 0.06));
  const auto wave = std::make_shared<const ruzdo::WaveImage>(
      reinterpret_cast<unsigned char*>(pcm), samples * 2,
      [](unsigned char* p) { delete[] reinterpret_cast<short*>(p); });

  // Milliseconds from play() to the start reported, or -1.
  auto play = [&]() -> double {
    startedAt = 0;
    const Clock::time_point asked = Clock::now();
    channel.play({wave, reinterpret_cast<const char*>(pcm), samples * 2, 48000, 1});
    while (!startedAt && !failed) {
      if (Clock::now() - asked > std::chrono::seconds(5)) return -1;
      std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    if (failed) return -1;
    const Clock::time_point at{Clock::duration(startedAt.load())};
    return std::chrono::duration<double, std::milli>(at - asked).count();
  };

  const double first = play();
  std::vector<double> idle, cut;
  for (int i = 0; i < tries && !failed; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2600));  // played out, idle
    idle.push_back(play());
    std::this_thread::sleep_for(std::chrono::milliseconds(700));  // still playing
    cut.push_back(play());
  }
  if (failed) return 1;
  std::printf("play() to started, first sound of a channel:   %.1f ms\n", first);
  std::printf("play() to started, after the channel idled:    median %.1f ms, max %.1f ms\n",
              median(idle), *std::max_element(idle.begin(), idle.end()));
  std::printf("play() to started, cutting off a sound:        median %.1f ms, max %.1f ms\n",
              median(cut), *std::max_element(cut.begin(), cut.end()));
  return 0;
}
