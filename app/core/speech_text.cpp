#include "speech_text.h"

#include <iconv.h>

#include <cerrno>

namespace ruzdo {

std::optional<std::string> ToShiftJis(std::string_view utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  char* src = const_cast<char*>(utf8.data());
  std::size_t left = utf8.size();
  bool ok = true;
  char buffer[256];
  while (left > 0 && ok) {
    char* dst = buffer;
    std::size_t room = sizeof buffer;
    if (iconv(cd, &src, &left, &dst, &room) == static_cast<std::size_t>(-1) && errno != E2BIG)
      ok = false;
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

std::string NumberTag(long long value, TTani counter, int variant) {
  std::string utf8 =
      "<NUMK VAL=" + std::to_string(value) + " COUNTER=" + std::string(CounterReading(counter));
  if (variant != 1) utf8 += " VARIANT=" + std::to_string(variant);
  return utf8 + ">";
}

std::string NumberSpeechText(int value, TTani counter, int variant) {
  // Every counter reading is kana, so the conversion cannot fail.
  return ToShiftJis(NumberTag(value, counter, variant) + "。").value_or(std::string());
}

std::optional<std::string> SequenceSpeechText(std::string_view utf8Sequence) {
  return ToShiftJis("<NUM VAL=" + std::string(utf8Sequence) + ">");
}

}  // namespace ruzdo
