#include "shift_jis.hpp"

#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "utf8.hpp"

namespace onsei {
namespace {

// A converter that closes itself.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (valid()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of in; false on any invalid or incomplete input.
  bool convert(std::string_view in, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.clear();
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[256];
    while (srcLeft > 0) {
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      if (r == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
    }
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    return true;
  }

 private:
  iconv_t cd_;
};

std::string hexByte(unsigned char b) {
  const char* digits = "0123456789ABCDEF";
  return {'0', 'x', digits[b >> 4], digits[b & 15]};
}

}  // namespace

Result<DecodedText> DecodeShiftJis(std::string_view bytes) {
  Iconv cv("UTF-8", "CP932");
  if (!cv.valid()) return Error{"the C library cannot convert from CP932 (Shift-JIS)"};
  DecodedText text;
  std::size_t i = 0;
  std::string utf8;
  std::u32string chars;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 1;
    if ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) length = 2;
    if (lead == 0x80 || lead == 0xA0 || lead > 0xFC)
      return Error{"byte " + hexByte(lead) + " at byte " + std::to_string(i) + " is not Shift-JIS"};
    if (i + length > bytes.size())
      return Error{"the text ends inside a two-byte character at byte " + std::to_string(i)};
    if (!cv.convert(bytes.substr(i, length), utf8) || !FromUtf8(utf8, chars) || chars.size() != 1)
      return Error{"bytes at byte " + std::to_string(i) + " are not a Shift-JIS character"};
    text.chars += chars[0];
    text.offsets.push_back(i);
    i += length;
  }
  return text;
}

Result<std::string> EncodeShiftJis(std::string_view utf8) {
  Iconv cv("CP932", "UTF-8");
  if (!cv.valid()) return Error{"the C library cannot convert to CP932 (Shift-JIS)"};
  std::string out;
  if (!cv.convert(utf8, out)) return Error{"the text has characters that Shift-JIS cannot hold"};
  return out;
}

}  // namespace onsei
