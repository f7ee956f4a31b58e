#pragma once

#include <cstdint>
#include <vector>

namespace onsei {

// A complete RIFF WAV image: 16-bit PCM, mono, at the given rate.
std::vector<unsigned char> MakeWav(const std::vector<std::int16_t>& samples, int rate);

}  // namespace onsei
