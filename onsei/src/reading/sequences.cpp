#include "reading/sequences.hpp"

#include "data/tables.hpp"
#include "reading/kana_moras.hpp"
#include "text/utf8.hpp"

namespace onsei {
namespace {

// The nucleus of a digit group: its last mora that can carry one.
int groupAccent(const AccentPhrase& phrase) {
  int moraIndex = 0, accent = 0;
  for (const Word& w : phrase.words) {
    for (const Mora& m : w.moras) {
      ++moraIndex;
      if (w.pos != PartOfSpeech::Other && !m.special()) accent = moraIndex;
    }
  }
  return accent;
}

}  // namespace

Result<std::vector<AccentPhrase>> ReadSequence(std::string_view value) {
  std::u32string chars;
  if (!FromUtf8(value, chars)) return Error{"the sequence is not valid text"};
  std::vector<AccentPhrase> phrases;
  AccentPhrase current;
  auto close = [&] {
    if (current.words.empty()) return;
    current.accent = groupAccent(current);
    phrases.push_back(std::move(current));
    current = AccentPhrase();
  };
  for (std::size_t i = 0; i < chars.size(); ++i) {
    const char32_t c = chars[i];
    if (c == U' ') {
      close();
      continue;
    }
    const std::string* name = SequenceName(c);
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
    current.words.push_back({run->moras, digit ? PartOfSpeech::Numeral : PartOfSpeech::Noun});
  }
  close();
  return phrases;
}

}  // namespace onsei
