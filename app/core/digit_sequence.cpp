#include "digit_sequence.h"

#include "random_source.h"

namespace ruzdo {

std::string MakeSequence(std::string_view tmpl) {
  std::string out;
  out.reserve(tmpl.size());
  for (char c : tmpl) {
    if (c == '_')
      out += static_cast<char>('0' + RandomBelow(10));
    else
      out += c;
  }
  return out;
}

}  // namespace ruzdo
