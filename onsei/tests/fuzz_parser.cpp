// libFuzzer target: any bytes through the whole front end. Every input must
// end in an utterance or an error message, never in a crash or a read out of
// bounds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "onsei/front_end.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  auto utterance = onsei::AnalyseText(text);
  if (utterance.ok()) {
    (void)onsei::FormatReading(*utterance);
    (void)onsei::FormatPhonemes(*utterance);
  } else if (utterance.error().message.empty()) {
    __builtin_trap();  // a failure must say why
  }
  return 0;
}
