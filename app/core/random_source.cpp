#include "random_source.h"

#include <chrono>
#include <random>

namespace ruzdo {
namespace {
std::mt19937_64& generator() {
  static std::mt19937_64 g;
  return g;
}
}  // namespace

void SeedRandom(std::uint64_t seed) { generator().seed(seed); }

void SeedRandomFromClock() {
  SeedRandom(static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

int RandomBelow(int n) {
  if (n <= 0) return 0;
  std::uniform_int_distribution<int> d(0, n - 1);
  return d(generator());
}

}  // namespace ruzdo
