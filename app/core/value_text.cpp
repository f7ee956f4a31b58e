#include "core/value_text.h"

namespace ruzdo {

std::string IntervalText(int ms) {
  const int hundredths = (ms + 5) / 10;
  std::string text = std::to_string(hundredths / 100) + ',';
  text += static_cast<char>('0' + hundredths / 10 % 10);
  if (hundredths % 10 != 0) text += static_cast<char>('0' + hundredths % 10);
  return text + " с";
}

std::string SpeechSpeedText(int speed) { return std::to_string(speed) + " %"; }

}  // namespace ruzdo
