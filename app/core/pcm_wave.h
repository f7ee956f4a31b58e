#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace ruzdo {

// Mono sound as samples in -1 ... 1 at a sampling rate.
struct PcmSound {
  int rateHz = 0;
  std::vector<float> samples;
};

// What a look at one chunk of a WAV image decides.
enum class WaveChunkStep { kNext, kFound, kRefused };

// Walks the chunks of a RIFF WAVE image in order, each one's stated size
// checked against what is left of the image so that none reaches past it:
// visit(id, body, length) sees each. True once a visit says kFound; false
// for an image of another kind, a chunk longer than what is left, a visit
// saying kRefused, or the end reached first.
bool WalkWaveChunks(
    const unsigned char* data, std::size_t size,
    const std::function<WaveChunkStep(const unsigned char* id, const unsigned char* body,
                                      std::size_t length)>& visit);

// The fields of a "fmt " chunk, read from the first 16 bytes of its body.
struct WaveFormat {
  std::uint16_t tag = 0;  // 1: PCM
  std::uint16_t channels = 0;
  std::uint32_t rate = 0;
  std::uint32_t byteRate = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bits = 0;
};
WaveFormat ReadWaveFormat(const unsigned char* body);

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
