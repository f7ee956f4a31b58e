#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace onsei {

// A piece of untrusted input for an error message: in double quotes, at most
// maxChars characters (then "..."), with control characters, quotes and
// backslashes escaped, so the message stays short, printable and free of NUL
// bytes whatever the input held.
std::string QuoteInput(std::u32string_view text, std::size_t maxChars = 24);

// The same for bytes: printable ASCII as it is, everything else as \xNN.
std::string QuoteBytes(std::string_view bytes, std::size_t maxChars = 24);

}  // namespace onsei
