#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace onsei::test {

// A WAV image read back: the header fields the tests check and the samples.
struct Wav {
  bool valid = false;
  std::string problem;
  int channels = 0;
  int rate = 0;
  int bits = 0;
  std::vector<std::int16_t> samples;

  double seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0; }
  int peak() const {
    int p = 0;
    for (auto s : samples) p = std::max(p, s < 0 ? -static_cast<int>(s) : static_cast<int>(s));
    return p;
  }
  // Seconds from the first to the last sample louder than the threshold: the
  // speech between the leading and trailing silences.
  double speechSeconds(int threshold = 300) const {
    std::size_t first = samples.size(), last = 0;
    for (std::size_t i = 0; i < samples.size(); ++i)
      if (std::abs(static_cast<int>(samples[i])) > threshold) {
        first = std::min(first, i);
        last = i;
      }
    return first < samples.size() ? static_cast<double>(last - first) / rate : 0;
  }
};

inline std::uint32_t le(const unsigned char* p, int n) {
  std::uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

inline Wav ReadWav(const unsigned char* data, std::size_t size) {
  Wav w;
  if (size < 44) return w.problem = "shorter than a header", w;
  if (std::memcmp(data, "RIFF", 4) || std::memcmp(data + 8, "WAVE", 4))
    return w.problem = "no RIFF/WAVE", w;
  if (le(data + 4, 4) != size - 8) return w.problem = "RIFF size disagrees with the image", w;
  if (std::memcmp(data + 12, "fmt ", 4) || le(data + 16, 4) != 16 || le(data + 20, 2) != 1)
    return w.problem = "not a 16-byte PCM fmt chunk", w;
  w.channels = static_cast<int>(le(data + 22, 2));
  w.rate = static_cast<int>(le(data + 24, 4));
  w.bits = static_cast<int>(le(data + 34, 2));
  if (le(data + 28, 4) != static_cast<std::uint32_t>(w.rate * w.channels * w.bits / 8))
    return w.problem = "byte rate disagrees", w;
  if (std::memcmp(data + 36, "data", 4)) return w.problem = "no data chunk", w;
  const std::uint32_t bytes = le(data + 40, 4);
  if (bytes != size - 44) return w.problem = "data size disagrees with the image", w;
  for (std::size_t i = 44; i + 1 < size; i += 2)
    w.samples.push_back(static_cast<std::int16_t>(le(data + i, 2)));
  w.valid = true;
  return w;
}

}  // namespace onsei::test
