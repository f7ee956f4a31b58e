// Calls the engine many times and releases every image; run under
// LeakSanitizer or valgrind to see that nothing is kept.
//   onsei_many_calls COUNT
#include <cstdio>
#include <cstdlib>
#include <string>

#include "onsei/onsei.h"

int main(int argc, char* argv[]) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 200;
  int failures = 0;
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
    if (Onsei_Synthe("<FOO>", 100, &size)) ++failures;
  }
  std::printf("%d calls, %d failures\n", count, failures);
  return failures == 0 ? 0 : 1;
}
