#include "prosody/devoicing.hpp"

#include <array>
#include <string_view>

namespace onsei {
namespace {

bool voiceless(std::string_view consonant) {
  static constexpr std::array<std::string_view, 13> kVoiceless = {
      "k", "ky", "s", "sh", "t", "ty", "ch", "ts", "h", "hy", "f", "p", "py"};
  for (std::string_view c : kVoiceless)
    if (c == consonant) return true;
  return false;
}

struct Position {
  AccentPhrase* phrase;
  Mora* mora;
  int index;  // 1-based within the phrase
};

// The す of です and ます ending a breath group (before a pause, not in a
// question) loses its vowel: ほんです。 → h o N d e s U.
void devoiceFinalSu(const std::vector<Position>& morae, bool question) {
  if (question || morae.size() < 2) return;
  const Position& last = morae.back();
  const Mora& before = *morae[morae.size() - 2].mora;
  if (last.mora->kana == "す" && last.mora->vowel == "u" &&
      (before.kana == "で" || before.kana == "ま") && last.phrase->accent != last.index)
    last.mora->vowel = "U";
}

}  // namespace

void DevoiceVowels(Utterance& utterance) {
  for (BreathGroup& group : utterance.groups) {
    // The morae of the breath group in order, since devoicing crosses
    // accent-phrase boundaries but not pauses.
    std::vector<Position> morae;
    for (AccentPhrase& phrase : group.phrases) {
      int index = 0;
      for (Word& w : phrase.words)
        for (Mora& m : w.moras) morae.push_back({&phrase, &m, ++index});
    }
    bool previousDevoiced = false;
    for (std::size_t i = 0; i + 1 < morae.size(); ++i) {
      Mora& m = *morae[i].mora;
      const Mora& next = *morae[i + 1].mora;
      const bool candidate = (m.vowel == "i" || m.vowel == "u") && !m.longVowel &&
                             voiceless(m.consonant) && voiceless(next.consonant) &&
                             !next.longVowel && morae[i].phrase->accent != morae[i].index &&
                             !previousDevoiced;
      if (candidate) m.vowel = m.vowel == "i" ? "I" : "U";
      previousDevoiced = candidate;
    }
    devoiceFinalSu(morae, !group.phrases.empty() && group.phrases.back().question);
  }
}

}  // namespace onsei
