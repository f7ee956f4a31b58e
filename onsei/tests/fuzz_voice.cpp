// libFuzzer target: the voice check on voice headers. An input without a
// [DATA] section is a header put in front of the Debian voice's data, so that
// mutations of the header reach the checks of the data behind it. Every
// input must end in acceptance or in a message, never in a crash, a read out
// of bounds or a hang.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "voice/hts_voice.hpp"
#include "voice/voice_file.hpp"

namespace {

const std::string& debianData() {
  static const std::string data = [] {
    std::ifstream in(onsei::kDebianVoicePath, std::ios::binary);
    const std::string voice{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::size_t at = voice.find("\n[DATA]\n");
    return at == std::string::npos ? std::string() : voice.substr(at);
  }();
  return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string image(reinterpret_cast<const char*>(data), size);
  if (image.find("\n[DATA]\n") == std::string::npos) image += debianData();
  const onsei::Status s = onsei::ValidateVoiceImage(image);
  if (!s.ok() && s.error().message.empty()) __builtin_trap();  // a refusal must say why
  return 0;
}
