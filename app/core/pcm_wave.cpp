#include "pcm_wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace ruzdo {
namespace {

std::uint32_t le32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
void put32(std::vector<unsigned char>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void put16(std::vector<unsigned char>& out, std::uint16_t v) {
  out.push_back(static_cast<unsigned char>(v));
  out.push_back(static_cast<unsigned char>(v >> 8));
}

constexpr int kLowestRate = 4000;
constexpr int kHighestRate = 192000;

}  // namespace

std::optional<PcmSound> ReadPcmWave(const unsigned char* data, std::size_t size) {
  if (!data || size < 12 || std::memcmp(data, "RIFF", 4) != 0 ||
      std::memcmp(data + 8, "WAVE", 4) != 0)
    return std::nullopt;
  bool haveFormat = false;
  int rate = 0;
  std::size_t at = 12;
  // Chunks are walked by their stated sizes, each checked against what is
  // left, so no size can reach past the image.
  while (size - at >= 8) {
    const unsigned char* chunk = data + at;
    const std::size_t length = le32(chunk + 4);
    const std::size_t left = size - at - 8;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (length < 16 || length > left) return std::nullopt;
      const unsigned char* f = chunk + 8;
      const std::uint32_t r = le32(f + 4);
      if (le16(f) != 1 || le16(f + 2) != 1 || le16(f + 14) != 16 || r < kLowestRate ||
          r > kHighestRate || le16(f + 12) != 2 || le32(f + 8) != r * 2)
        return std::nullopt;
      rate = static_cast<int>(r);
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!haveFormat || length > left || length % 2 != 0) return std::nullopt;
      PcmSound sound{rate, std::vector<float>(length / 2)};
      const unsigned char* s = chunk + 8;
      for (std::size_t i = 0; i < sound.samples.size(); ++i)
        sound.samples[i] =
            static_cast<float>(static_cast<std::int16_t>(le16(s + 2 * i))) / 32768.0f;
      return sound;
    }
    if (length > left) return std::nullopt;
    at += 8 + length + (length & 1);
  }
  return std::nullopt;
}

double MeanPower(const std::vector<float>& x, std::size_t begin, std::size_t end) {
  end = std::min(end, x.size());
  if (begin >= end) return 0;
  // Four sums at once, so that the loop need not wait on one.
  double sum[4] = {};
  std::size_t i = begin;
  for (; i + 4 <= end; i += 4)
    for (std::size_t k = 0; k < 4; ++k) sum[k] += static_cast<double>(x[i + k]) * x[i + k];
  for (; i < end; ++i) sum[0] += static_cast<double>(x[i]) * x[i];
  return (sum[0] + sum[1] + sum[2] + sum[3]) / static_cast<double>(end - begin);
}

std::vector<unsigned char> WritePcmWave(const PcmSound& sound) {
  const auto dataBytes = static_cast<std::uint32_t>(sound.samples.size() * 2);
  const auto rate = static_cast<std::uint32_t>(sound.rateHz);
  std::vector<unsigned char> out;
  out.reserve(44 + dataBytes);
  for (char c : {'R', 'I', 'F', 'F'}) out.push_back(static_cast<unsigned char>(c));
  put32(out, 36 + dataBytes);
  for (char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '})
    out.push_back(static_cast<unsigned char>(c));
  put32(out, 16);
  put16(out, 1);  // PCM
  put16(out, 1);  // mono
  put32(out, rate);
  put32(out, rate * 2);
  put16(out, 2);
  put16(out, 16);
  for (char c : {'d', 'a', 't', 'a'}) out.push_back(static_cast<unsigned char>(c));
  put32(out, dataBytes);
  out.resize(44 + dataBytes);
  unsigned char* s = out.data() + 44;
  for (float x : sound.samples) {
    const float scaled = std::clamp(x * 32768.0f, -32768.0f, 32767.0f);
    const auto v = static_cast<std::uint16_t>(
        static_cast<std::int16_t>(scaled < 0 ? scaled - 0.5f : scaled + 0.5f));
    *s++ = static_cast<unsigned char>(v);
    *s++ = static_cast<unsigned char>(v >> 8);
  }
  return out;
}

}  // namespace ruzdo
