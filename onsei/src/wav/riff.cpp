#include "wav/riff.hpp"

#include <string_view>

namespace onsei {
namespace {

void put(std::vector<unsigned char>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

void tag(std::vector<unsigned char>& out, std::string_view t) {
  out.insert(out.end(), t.begin(), t.end());
}

}  // namespace

std::vector<unsigned char> MakeWav(const std::vector<std::int16_t>& samples, int rate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<unsigned char> out;
  out.reserve(44 + dataBytes);
  tag(out, "RIFF");
  put(out, 36 + dataBytes, 4);
  tag(out, "WAVE");
  tag(out, "fmt ");
  put(out, 16, 4);  // chunk size
  put(out, 1, 2);   // PCM
  put(out, 1, 2);   // mono
  put(out, static_cast<std::uint32_t>(rate), 4);
  put(out, static_cast<std::uint32_t>(rate) * 2, 4);  // bytes per second
  put(out, 2, 2);                                     // block align
  put(out, 16, 2);                                    // bits per sample
  tag(out, "data");
  put(out, dataBytes, 4);
  for (std::int16_t s : samples) put(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

}  // namespace onsei
