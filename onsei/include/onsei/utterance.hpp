#pragma once

#include <string>
#include <vector>

namespace onsei {

// One mora: its kana (hiragana, UTF-8) and its phonemes in the Japanese HTS
// phone set. `vowel` is a, i, u, e, o, or N (ん), cl (っ); a long vowel
// repeats the vowel before it. Devoiced vowels are written in capitals (I, U).
struct Mora {
  std::string kana;
  std::string consonant;  // "" when the mora is a bare vowel, N or cl
  std::string vowel;
  bool longVowel = false;

  // ん, っ and long vowels cannot carry the accent nucleus.
  bool special() const { return longVowel || vowel == "N" || vowel == "cl"; }
};

enum class PartOfSpeech { Other, Noun, Numeral, Counter };

struct Word {
  std::vector<Mora> moras;
  PartOfSpeech pos = PartOfSpeech::Other;
};

// An accent phrase: words said under one pitch contour with at most one
// accent nucleus.
struct AccentPhrase {
  std::vector<Word> words;
  int accent = 0;         // mora (1-based) that carries the nucleus; 0 = flat
  bool question = false;  // rises at its end

  int moraCount() const;
};

// Accent phrases said in one breath; a pause follows it.
struct BreathGroup {
  std::vector<AccentPhrase> phrases;
};

struct Utterance {
  std::vector<BreathGroup> groups;

  bool empty() const { return groups.empty(); }
};

}  // namespace onsei
