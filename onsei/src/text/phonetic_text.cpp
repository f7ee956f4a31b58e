#include "text/phonetic_text.hpp"

#include "text/quote.hpp"
#include "text/utf8.hpp"

namespace onsei {
namespace {

bool isKana(char32_t c) {
  return (c >= U'ぁ' && c <= U'ゖ') || (c >= U'ァ' && c <= U'ヶ') || c == U'ー' || c == U'\'' ||
         c == U'＇';
}

std::string where(const DecodedText& text, std::size_t i) {
  return "at byte " + std::to_string(i < text.offsets.size() ? text.offsets[i] : 0);
}

std::string describe(char32_t c) { return QuoteInput(std::u32string_view(&c, 1)); }

// The longest VAL the engine reads: 16 digits with room for leading zeros and
// the separators of a sequence.
constexpr std::size_t kMaxValueChars = 64;

// Reads a VAL attribute up to a space or ">" (or up to ">" only when toEnd is
// set). It must be printable ASCII and at most kMaxValueChars long, so that
// the messages quoting it stay short.
Result<std::string> asciiValue(const DecodedText& text, std::size_t open,
                               const std::u32string& body, std::size_t& p, bool toEnd) {
  const std::size_t start = p;
  while (p < body.size() && (toEnd || body[p] != U' ')) ++p;
  const std::u32string_view value(body.data() + start, p - start);
  if (value.size() > kMaxValueChars)
    return Error{"the VAL of the tag " + where(text, open) + " is longer than " +
                 std::to_string(kMaxValueChars) + " characters: " + QuoteInput(value)};
  std::string v;
  for (char32_t c : value) {
    if (c < 0x20 || c >= 0x7F)
      return Error{"the VAL of the tag " + where(text, open) + " holds " + describe(c) +
                   ": only ASCII digits, letters, \"-\" and spaces are allowed"};
    v += static_cast<char>(c);
  }
  return v;
}

// Reads a VARIANT value up to a space or ">": 1, 2, ... Anything else (not a
// number, 0, too long) asks for the usual reading, 1.
int variantNumber(const std::u32string& body, std::size_t& p) {
  constexpr std::size_t kMaxVariantDigits = 4;
  const std::size_t start = p;
  int n = 0;
  bool digits = true;
  for (; p < body.size() && body[p] != U' '; ++p) {
    digits = digits && body[p] >= U'0' && body[p] <= U'9' && p - start < kMaxVariantDigits;
    if (digits) n = n * 10 + static_cast<int>(body[p] - U'0');
  }
  return digits && n > 0 ? n : 1;
}

// "-0", "-00": minus zero is zero.
void dropMinusOfZero(std::string& value) {
  if (value.size() > 1 && value[0] == '-' && value.find_first_not_of('0', 1) == std::string::npos)
    value.erase(0, 1);
}

bool startsWith(const std::u32string& s, std::size_t p, std::u32string_view prefix) {
  return s.compare(p, prefix.size(), prefix) == 0;
}

Result<Token> parseTag(const DecodedText& text, std::size_t open, std::size_t close) {
  const std::u32string body = text.chars.substr(open + 1, close - open - 1);
  Token t{Token::Kind::Number, {}, {}, text.offsets[open]};
  std::size_t p = 0;
  auto skipSpaces = [&] {
    while (p < body.size() && body[p] == U' ') ++p;
  };
  skipSpaces();
  if (startsWith(body, p, U"NUMK ")) {
    p += 5;
    skipSpaces();
    if (!startsWith(body, p, U"VAL="))
      return Error{"the NUMK tag " + where(text, open) + " has no VAL= attribute"};
    p += 4;
    auto value = asciiValue(text, open, body, p, false);
    if (!value) return value.error();
    t.value = std::move(value.value());
    dropMinusOfZero(t.value);
    skipSpaces();
    if (!startsWith(body, p, U"COUNTER="))
      return Error{"the NUMK tag " + where(text, open) + " has no COUNTER= attribute"};
    p += 8;
    std::u32string counter = body.substr(p, body.find(U' ', p) - p);
    p += counter.size();
    std::size_t attribute = body.find_first_not_of(U' ', p);
    if (attribute != std::u32string::npos && startsWith(body, attribute, U"VARIANT=")) {
      p = attribute + 8;
      t.variant = variantNumber(body, p);
      skipSpaces();
    }
    // Anything else after the counter is not kana, and is reported as such.
    counter += body.substr(p);
    while (!counter.empty() && counter.back() == U' ') counter.pop_back();
    for (char32_t c : counter)
      if (!isKana(c))
        return Error{"the counter of the NUMK tag " + where(text, open) + " holds " + describe(c) +
                     ", which is not kana"};
    t.text = counter;
    return t;
  }
  if (startsWith(body, p, U"NUM ")) {
    p += 4;
    skipSpaces();
    if (!startsWith(body, p, U"VAL="))
      return Error{"the NUM tag " + where(text, open) + " has no VAL= attribute"};
    p += 4;
    t.kind = Token::Kind::Sequence;
    // The value runs to the end (it may hold spaces), or to " VARIANT=":
    // "=" is not a character of a sequence, so the two cannot be confused.
    const std::size_t attribute = body.find(U" VARIANT=", p);
    const std::u32string valueBody = body.substr(0, attribute);
    auto value = asciiValue(text, open, valueBody, p, true);
    if (!value) return value.error();
    t.value = std::move(value.value());
    if (attribute != std::u32string::npos) {
      p = attribute + 9;
      t.variant = variantNumber(body, p);
      skipSpaces();
      if (p < body.size())
        return Error{"the NUM tag " + where(text, open) + " has " +
                     QuoteInput(std::u32string_view(body).substr(p)) + " after its VARIANT"};
    }
    return t;
  }
  return Error{"unknown tag " + where(text, open) + ": " +
               QuoteInput(std::u32string_view(text.chars).substr(open, close - open + 1))};
}

}  // namespace

Result<std::vector<Token>> ParsePhoneticText(const DecodedText& text) {
  std::vector<Token> tokens;
  const std::u32string& s = text.chars;
  std::size_t i = 0;
  while (i < s.size()) {
    const char32_t c = s[i];
    if (c == U' ' || c == U'　' || c == U'\t' || c == U'\r' || c == U'\n') {
      ++i;
    } else if (isKana(c)) {
      Token t{Token::Kind::Kana, {}, {}, text.offsets[i]};
      while (i < s.size() && isKana(s[i])) {
        const char32_t k = s[i++];
        t.text += k == U'＇' ? U'\'' : k;
      }
      tokens.push_back(std::move(t));
    } else if (c == U'/' || c == U'／') {
      tokens.push_back({Token::Kind::PhraseBreak, {}, {}, text.offsets[i++]});
    } else if (c == U'、' || c == U',' || c == U'，') {
      tokens.push_back({Token::Kind::Pause, {}, {}, text.offsets[i++]});
    } else if (c == U'。' || c == U'.' || c == U'．') {
      tokens.push_back({Token::Kind::SentenceEnd, {}, {}, text.offsets[i++]});
    } else if (c == U'？' || c == U'?') {
      tokens.push_back({Token::Kind::Question, {}, {}, text.offsets[i++]});
    } else if (c == U'<') {
      std::size_t close = i + 1;
      while (close < s.size() && s[close] != U'>' && s[close] != U'<') ++close;
      if (close >= s.size() || s[close] != U'>')
        return Error{"the \"<\" " + where(text, i) + " is not closed by \">\""};
      auto tag = parseTag(text, i, close);
      if (!tag) return tag.error();
      tokens.push_back(std::move(tag.value()));
      i = close + 1;
    } else if (c == U'>') {
      return Error{"\">\" " + where(text, i) + " closes no tag"};
    } else {
      return Error{"cannot read " + describe(c) + " " + where(text, i) +
                   ": only kana, the marks ー ' / 、 。 ？ and number tags are allowed"};
    }
  }
  return tokens;
}

}  // namespace onsei
