#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace ruzdo {

// Mono sound as samples in -1 ... 1 at a sampling rate.
struct PcmSound {
  int rateHz = 0;
  std::vector<float> samples;
};

// The samples of a RIFF WAV image holding 16-bit PCM mono, as the speech
// engine writes it; nothing when the image is of any other kind, cut short
// or inconsistent (an odd-sized data chunk, a rate outside 4 ... 192 kHz).
std::optional<PcmSound> ReadPcmWave(const unsigned char* data, std::size_t size);

// A 44-byte-header RIFF WAV image of 16-bit PCM mono, the inverse of
// ReadPcmWave; samples beyond -1 ... 1 are clipped.
std::vector<unsigned char> WritePcmWave(const PcmSound& sound);

// The mean square of x[begin] ... x[end - 1] (0 for none).
double MeanPower(const std::vector<float>& x, std::size_t begin, std::size_t end);

}  // namespace ruzdo
