#include "wav/riff.hpp"

#include <cstring>

namespace onsei {
namespace {

// Writes little-endian values into a buffer of known size.
class Writer {
 public:
  explicit Writer(std::vector<unsigned char>& out) : out_(out) {}
  void tag(const char (&t)[5]) {
    std::memcpy(&out_[at_], t, 4);
    at_ += 4;
  }
  void u16(std::uint32_t v) { put(v, 2); }
  void u32(std::uint32_t v) { put(v, 4); }

 private:
  void put(std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out_[at_++] = static_cast<unsigned char>(v >> (8 * i));
  }
  std::vector<unsigned char>& out_;
  std::size_t at_ = 0;
};

}  // namespace

std::vector<unsigned char> MakeWav(const std::vector<std::int16_t>& samples, int rate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<unsigned char> out(44 + dataBytes);
  Writer w(out);
  w.tag("RIFF");
  w.u32(36 + dataBytes);
  w.tag("WAVE");
  w.tag("fmt ");
  w.u32(16);  // chunk size
  w.u16(1);   // PCM
  w.u16(1);   // mono
  w.u32(static_cast<std::uint32_t>(rate));
  w.u32(static_cast<std::uint32_t>(rate) * 2);  // bytes per second
  w.u16(2);                                     // block align
  w.u16(16);                                    // bits per sample
  w.tag("data");
  w.u32(dataBytes);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const auto s = static_cast<std::uint16_t>(samples[i]);
    out[44 + 2 * i] = static_cast<unsigned char>(s & 0xFF);
    out[45 + 2 * i] = static_cast<unsigned char>(s >> 8);
  }
  return out;
}

}  // namespace onsei
