#include "core/value_text.h"

#include <array>

namespace ruzdo {

std::string IntervalText(int ms) {
  const int hundredths = (ms + 5) / 10;
  std::string text = std::to_string(hundredths / 100) + ',';
  text += static_cast<char>('0' + hundredths / 10 % 10);
  if (hundredths % 10 != 0) text += static_cast<char>('0' + hundredths % 10);
  return text + " с";
}

std::string SpeechSpeedText(int speed) { return std::to_string(speed) + " %"; }

namespace {

// Counters said only with the numbers from ... to; any other number is said
// bare.
struct SaidOnly {
  TTani counter;
  int from, to;
};
constexpr std::array<SaidOnly, 1> kSaidOnly{{
    {tanTu, 1, 10},  // ひとつ … とお; 0 and 11 on are the bare numbers
}};

}  // namespace

std::string_view CounterShownAfter(TTani t, int value) {
  for (const SaidOnly& s : kSaidOnly)
    if (s.counter == t && (value < s.from || value > s.to)) return {};
  return TaniWritten(t);
}

}  // namespace ruzdo
