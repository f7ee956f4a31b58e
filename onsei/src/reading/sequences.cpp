#include "reading/sequences.hpp"

#include "data/tables.hpp"
#include "reading/kana_moras.hpp"
#include "text/utf8.hpp"

namespace onsei {
namespace {

// The nucleus of a digit group: on its last character, where that
// character's name marks it (れ'い), else on its last mora that can carry one.
int groupAccent(const AccentPhrase& phrase, int lastMark) {
  int moraIndex = 0, accent = 0, lastStart = 0;
  for (const Word& w : phrase.words) {
    if (w.pos != PartOfSpeech::Other) lastStart = moraIndex;
    for (const Mora& m : w.moras) {
      ++moraIndex;
      if (w.pos != PartOfSpeech::Other && !m.special()) accent = moraIndex;
    }
  }
  return lastMark != 0 ? lastStart + lastMark : accent;
}

}  // namespace

int SequenceVariantCount(std::string_view value) {
  std::u32string chars;
  if (!FromUtf8(value, chars)) return 1;
  for (char32_t c : chars)
    if (SequenceName(c, true)) return 2;
  return 1;
}

Result<std::vector<AccentPhrase>> ReadSequence(std::string_view value, int variant) {
  std::u32string chars;
  if (!FromUtf8(value, chars)) return Error{"the sequence is not valid text"};
  std::vector<AccentPhrase> phrases;
  AccentPhrase current;
  int lastMark = 0;  // the mark in the name of the group's last character
  auto close = [&] {
    if (current.words.empty()) return;
    current.accent = groupAccent(current, lastMark);
    phrases.push_back(std::move(current));
    current = AccentPhrase();
    lastMark = 0;
  };
  for (std::size_t i = 0; i < chars.size(); ++i) {
    const char32_t c = chars[i];
    if (c == U' ') {
      close();
      continue;
    }
    const std::string* name =
        variant == 2 && SequenceName(c, true) ? SequenceName(c, true) : SequenceName(c);
    if (!name)
      return Error{"cannot read \"" + ToUtf8(chars.substr(i, 1)) + "\" in the sequence \"" +
                   std::string(value) + "\": only digits, Latin letters, \"-\" and spaces"};
    auto run = KanaToMoras(*name, KanaStyle::Reading);
    if (!run) return run.error();
    if (c == U'-') {
      // "の" joins the group before it; a leading or doubled "-" only breaks.
      if (!current.words.empty()) current.words.push_back({run->moras, PartOfSpeech::Other});
      close();
      continue;
    }
    const bool digit = c >= U'0' && c <= U'9';
    lastMark = run->accent;
    current.words.push_back({run->moras, digit ? PartOfSpeech::Numeral : PartOfSpeech::Noun});
  }
  close();
  return phrases;
}

}  // namespace onsei
