#pragma once

#include <cstdint>

namespace ruzdo {

// The one process-wide uniform generator. Seeded once at start-up; tests may
// reseed it to get repeatable draws.
void SeedRandom(std::uint64_t seed);

// Seeds from the clock.
void SeedRandomFromClock();

// A uniformly distributed integer in 0 ... n-1; 0 when n <= 0.
int RandomBelow(int n);

}  // namespace ruzdo
