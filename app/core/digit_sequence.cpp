#include "digit_sequence.h"

#include <set>

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

namespace {

// 10^blanks, held at a bound far above any grid.
template <typename Text>
long long sequenceCount(const Text& tmpl) {
  long long n = 1;
  for (auto c : tmpl)
    if (c == '_' && n < 1'000'000'000) n *= 10;
  return n;
}

bool allowed(char32_t c) {
  return c == U'_' || c == U'-' || c == U' ' || (c >= U'0' && c <= U'9') ||
         (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

}  // namespace

std::vector<std::string> MakeSequences(std::string_view tmpl, int count) {
  std::vector<std::string> out;
  if (count <= 0) return out;
  out.reserve(static_cast<std::size_t>(count));
  const long long different = sequenceCount(tmpl);
  std::set<std::string> used;
  while (static_cast<int>(out.size()) < count) {
    // All of them shown: the next round may repeat them.
    if (static_cast<long long>(used.size()) == different) used.clear();
    std::string s = MakeSequence(tmpl);
    if (used.insert(s).second) out.push_back(std::move(s));
  }
  return out;
}

TemplateCheck CheckTemplate(std::u32string_view chars, int plates) {
  TemplateCheck check;
  check.sequences = sequenceCount(chars);
  if (static_cast<int>(chars.size()) > kMaxTemplateChars) {
    check.fault = TemplateFault::TooLong;
    return check;
  }
  for (char32_t c : chars)
    if (!allowed(c)) {
      check.fault = TemplateFault::BadCharacter;
      check.bad = c;
      return check;
    }
  if (chars.find(U'_') == std::u32string_view::npos)
    check.fault = TemplateFault::NoBlank;
  else if (check.sequences < plates)
    check.fault = TemplateFault::TooFewBlanks;
  return check;
}

}  // namespace ruzdo
