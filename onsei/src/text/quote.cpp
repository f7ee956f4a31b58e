#include "text/quote.hpp"

#include "text/utf8.hpp"

namespace onsei {
namespace {

const char kHex[] = "0123456789ABCDEF";

void appendEscape(std::string& out, char32_t c) {
  if (c == U'"' || c == U'\\') {
    out += '\\';
    out += static_cast<char>(c);
  } else if (c < 0x100) {
    out += "\\x";
    out += kHex[(c >> 4) & 15];
    out += kHex[c & 15];
  } else {
    out += "\\u{";
    bool started = false;
    for (int shift = 20; shift >= 0; shift -= 4) {
      const auto digit = static_cast<unsigned>((c >> shift) & 15);
      if (digit == 0 && !started && shift > 0) continue;
      started = true;
      out += kHex[digit];
    }
    out += '}';
  }
}

bool printable(char32_t c) {
  if (c < 0x20 || c == 0x7F || c == U'"' || c == U'\\') return false;
  if (c >= 0x80 && c < 0xA0) return false;                      // C1 controls
  if (c >= 0xD800 && c < 0xE000) return false;                  // surrogates
  if (c == 0x2028 || c == 0x2029 || c == 0xFEFF) return false;  // separators, BOM
  return c <= 0x10FFFF;
}

}  // namespace

std::string QuoteInput(std::u32string_view text, std::size_t maxChars) {
  std::string out = "\"";
  const std::size_t shown = text.size() < maxChars ? text.size() : maxChars;
  for (std::size_t i = 0; i < shown; ++i) {
    if (printable(text[i]))
      AppendUtf8(out, text[i]);
    else
      appendEscape(out, text[i]);
  }
  out += '"';
  if (shown < text.size()) out += "...";
  return out;
}

std::string QuoteBytes(std::string_view bytes, std::size_t maxChars) {
  std::string out = "\"";
  const std::size_t shown = bytes.size() < maxChars ? bytes.size() : maxChars;
  for (std::size_t i = 0; i < shown; ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b >= 0x20 && b < 0x7F && b != '"' && b != '\\')
      out += static_cast<char>(b);
    else
      appendEscape(out, b);
  }
  out += '"';
  if (shown < bytes.size()) out += "...";
  return out;
}

}  // namespace onsei
