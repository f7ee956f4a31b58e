// libFuzzer target: any bytes through the front end to full-context labels,
// without synthesis. Text the parser accepts must give labels that the label
// check accepts, since those labels go to hts_engine as they are.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "labels/full_context.hpp"
#include "labels/label_check.hpp"
#include "onsei/front_end.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  auto utterance = onsei::AnalyseText(text);
  if (!utterance.ok()) return 0;
  if (!onsei::CheckLabels(onsei::MakeLabels(*utterance)).ok()) __builtin_trap();
  return 0;
}
