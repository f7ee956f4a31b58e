#include "core/typed_answer.h"

namespace ruzdo {

std::string CaptionDigits(std::string_view caption) {
  std::string digits;
  for (const char c : caption)
    if (c >= '0' && c <= '9') digits += c;
  return digits;
}

TypedMatch MatchTyped(std::string_view typed, const std::vector<std::string>& captions) {
  TypedMatch match;
  if (typed.empty()) return match;
  for (std::size_t i = 0; i < captions.size(); ++i) {
    const std::string digits = CaptionDigits(captions[i]);
    if (digits.size() > typed.size() && digits.compare(0, typed.size(), typed) == 0)
      match.partial = true;
    // Plates that show the same digits answer alike: the first one is taken.
    if (digits == typed && match.plate < 0) match.plate = static_cast<int>(i);
  }
  return match;
}

}  // namespace ruzdo
