// Calls the engine many times, well-formed and hostile text in turn, and
// releases every image; run under LeakSanitizer or valgrind to see that
// nothing is kept. Prints the resident size as it goes and fails when it
// grows after the first calls (not under AddressSanitizer, whose quarantine
// holds freed memory on purpose).
//   onsei_many_calls COUNT
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "onsei/onsei.h"

namespace {

// Resident set size in kB, from /proc/self/status.
long residentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMeasureGrowth = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMeasureGrowth = false;
#else
constexpr bool kMeasureGrowth = true;
#endif
#else
constexpr bool kMeasureGrowth = true;
#endif

}  // namespace

int main(int argc, char* argv[]) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 200;
  const std::string huge(1 << 20, '7');  // refused at once, whatever its size
  const std::string hostile[] = {"<FOO>", "<NUMK VAL=" + huge + " COUNTER=>", huge};
  int failures = 0;
  long settled = 0;
  long peak = 0;
  for (int i = 0; i < count; ++i) {
    const std::string text = "<NUMK VAL=" + std::to_string(i % 12) + " COUNTER=>";
    int size = 0;
    unsigned char* wave = Onsei_Synthe(text.c_str(), 50 + i % 250, &size);
    if (!wave) {
      std::fprintf(stderr, "call %d: %s\n", i, Onsei_LastError());
      ++failures;
    }
    Onsei_FreeWave(wave);
    // A failing call must not leak either.
    if (Onsei_Synthe(hostile[i % 3].c_str(), 100, &size)) ++failures;
    const long rss = residentKb();
    if (i == 20) settled = rss;
    if (rss > peak) peak = rss;
  }
  const long growth = peak - settled;
  std::printf("%d calls, %d failures; resident %ld kB after 20 calls, peak %ld kB\n", count,
              failures, settled, peak);
  if (kMeasureGrowth && count > 20 && growth > 2048) {
    std::printf("resident size grew by %ld kB\n", growth);
    return 1;
  }
  return failures == 0 ? 0 : 1;
}
