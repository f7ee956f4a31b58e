#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "onsei/status.hpp"

namespace onsei {

// Text decoded from Shift-JIS (code page 932), with the byte offset in the
// input of every character, for messages that say where a problem is.
struct DecodedText {
  std::u32string chars;
  std::vector<std::size_t> offsets;
};

Result<DecodedText> DecodeShiftJis(std::string_view bytes);

// UTF-8 to Shift-JIS (code page 932).
Result<std::string> EncodeShiftJis(std::string_view utf8);

}  // namespace onsei
