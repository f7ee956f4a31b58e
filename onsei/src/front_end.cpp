// The front end: the passes from Shift-JIS text to an utterance, in order.
#include "onsei/front_end.hpp"

#include "prosody/devoicing.hpp"
#include "prosody/utterance_builder.hpp"
#include "reading/variants.hpp"
#include "text/phonetic_text.hpp"
#include "text/shift_jis.hpp"

namespace onsei {

Result<Utterance> AnalyseText(std::string_view shiftJis, int variant) {
  auto decoded = DecodeShiftJis(shiftJis);  // bytes → characters
  if (!decoded) return decoded.error();
  auto tokens = ParsePhoneticText(*decoded);  // characters → kana runs, marks, tags
  if (!tokens) return tokens.error();
  Status chosen = ChooseTextVariant(*tokens, variant);  // which accepted reading of each number
  if (!chosen) return chosen.error();
  auto utterance = BuildUtterance(*tokens);  // readings, accent phrases, breath groups
  if (!utterance) return utterance.error();
  DevoiceVowels(*utterance);  // vowels between voiceless consonants
  return utterance;
}

Result<Utterance> AnalyseUtf8(std::string_view utf8, int variant) {
  auto sjis = EncodeShiftJis(utf8);
  if (!sjis) return sjis.error();
  return AnalyseText(*sjis, variant);
}

Result<int> CountVariants(std::string_view shiftJis) {
  auto decoded = DecodeShiftJis(shiftJis);
  if (!decoded) return decoded.error();
  auto tokens = ParsePhoneticText(*decoded);
  if (!tokens) return tokens.error();
  return CountTextVariants(*tokens);
}

std::string FormatReading(const Utterance& utterance) {
  std::string out;
  for (std::size_t g = 0; g < utterance.groups.size(); ++g) {
    if (g > 0) out += "、";
    const BreathGroup& group = utterance.groups[g];
    for (std::size_t p = 0; p < group.phrases.size(); ++p) {
      if (p > 0) out += "/";
      const AccentPhrase& phrase = group.phrases[p];
      int index = 0;
      for (const Word& w : phrase.words)
        for (const Mora& m : w.moras) {
          out += m.kana;
          if (++index == phrase.accent) out += "'";
        }
      if (phrase.question) out += "？";
    }
  }
  return out;
}

std::string FormatPhonemes(const Utterance& utterance) {
  std::string out;
  auto add = [&out](const std::string& p) {
    if (p.empty()) return;
    if (!out.empty()) out += ' ';
    out += p;
  };
  for (std::size_t g = 0; g < utterance.groups.size(); ++g) {
    if (g > 0) add("pau");
    for (const AccentPhrase& phrase : utterance.groups[g].phrases)
      for (const Word& w : phrase.words)
        for (const Mora& m : w.moras) {
          add(m.consonant);
          add(m.vowel);
        }
  }
  return out;
}

}  // namespace onsei
