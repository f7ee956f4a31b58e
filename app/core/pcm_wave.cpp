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

bool WalkWaveChunks(
    const unsigned char* data, std::size_t size,
    const std::function<WaveChunkStep(const unsigned char* id, const unsigned char* body,
                                      std::size_t length)>& visit) {
  if (!data || size < 12 || std::memcmp(data, "RIFF", 4) != 0 ||
      std::memcmp(data + 8, "WAVE", 4) != 0)
    return false;
  // An odd length is followed by a pad byte, which may be missing at the
  // end: at can pass size by one.
  for (std::size_t at = 12; at + 8 <= size;) {
    const std::size_t length = le32(data + at + 4);
    if (length > size - at - 8) return false;
    switch (visit(data + at, data + at + 8, length)) {
      case WaveChunkStep::kFound: return true;
      case WaveChunkStep::kRefused: return false;
      case WaveChunkStep::kNext: break;
    }
    at += 8 + length + (length & 1);
  }
  return false;
}

WaveFormat ReadWaveFormat(const unsigned char* body) {
  return {le16(body), le16(body + 2), le32(body + 4), le32(body + 8), le16(body + 12),
          le16(body + 14)};
}

std::optional<PcmSound> ReadPcmWave(const unsigned char* data, std::size_t size) {
  std::optional<int> rate;
  std::optional<PcmSound> sound;
  WalkWaveChunks(data, size, [&](const unsigned char* id, const unsigned char* body,
                                 std::size_t length) {
    if (std::memcmp(id, "fmt ", 4) == 0) {
      if (length < 16) return WaveChunkStep::kRefused;
      const WaveFormat f = ReadWaveFormat(body);
      if (f.tag != 1 || f.channels != 1 || f.bits != 16 || f.rate < kLowestRate ||
          f.rate > kHighestRate || f.blockAlign != 2 || f.byteRate != f.rate * 2)
        return WaveChunkStep::kRefused;
      rate = static_cast<int>(f.rate);
    } else if (std::memcmp(id, "data", 4) == 0) {
      if (!rate || length % 2 != 0) return WaveChunkStep::kRefused;
      sound = PcmSound{*rate, std::vector<float>(length / 2)};
      for (std::size_t i = 0; i < sound->samples.size(); ++i)
        sound->samples[i] =
            static_cast<float>(static_cast<std::int16_t>(le16(body + 2 * i))) / 32768.0f;
      return WaveChunkStep::kFound;
    }
    return WaveChunkStep::kNext;
  });
  return sound;
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
