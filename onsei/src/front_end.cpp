// The front end: the passes from Shift-JIS text to an utterance, in order.
#include "onsei/front_end.hpp"

#include "onsei/limits.hpp"
#include "prosody/copula_accent.hpp"
#include "prosody/devoicing.hpp"
#include "prosody/utterance_builder.hpp"
#include "reading/variants.hpp"
#include "text/phonetic_text.hpp"
#include "text/shift_jis.hpp"

namespace onsei {
namespace {

Status checkTagCount(const std::vector<Token>& tokens) {
  std::size_t tags = 0;
  for (const Token& t : tokens)
    if (t.kind == Token::Kind::Number || t.kind == Token::Kind::Sequence) ++tags;
  if (tags > kMaxNumberTags)
    return Error{"the text has " + std::to_string(tags) + " number tags; at most " +
                 std::to_string(kMaxNumberTags) + " are read at once"};
  return Ok();
}

Status checkLength(const Utterance& utterance) {
  std::size_t total = 0;
  for (std::size_t g = 0; g < utterance.groups.size(); ++g) {
    const BreathGroup& group = utterance.groups[g];
    std::size_t moras = 0;
    for (const AccentPhrase& phrase : group.phrases)
      moras += static_cast<std::size_t>(phrase.moraCount());
    const std::string which = "breath group " + std::to_string(g + 1);
    if (group.phrases.size() > kMaxPhrasesWithoutPause)
      return Error{which + " has " + std::to_string(group.phrases.size()) +
                   " accent phrases without a pause; at most " +
                   std::to_string(kMaxPhrasesWithoutPause) + " are said in one breath"};
    if (moras > kMaxMorasWithoutPause)
      return Error{which + " has " + std::to_string(moras) + " moras without a pause; at most " +
                   std::to_string(kMaxMorasWithoutPause) + " are said in one breath"};
    total += moras;
  }
  if (total > kMaxMoras)
    return Error{"the text is " + std::to_string(total) + " moras long; at most " +
                 std::to_string(kMaxMoras) + " are said at once"};
  return Ok();
}

// Shift-JIS text → tokens, within the bounds of what is read at once.
Result<std::vector<Token>> tokensOf(std::string_view shiftJis) {
  if (shiftJis.size() > kMaxTextBytes)
    return Error{"the text is " + std::to_string(shiftJis.size()) + " bytes long; at most " +
                 std::to_string(kMaxTextBytes) + " are read at once"};
  auto decoded = DecodeShiftJis(shiftJis);  // bytes → characters
  if (!decoded) return decoded.error();
  auto tokens = ParsePhoneticText(*decoded);  // characters → kana runs, marks, tags
  if (!tokens) return tokens.error();
  Status tags = checkTagCount(*tokens);
  if (!tags) return tags.error();
  return tokens;
}

}  // namespace

Result<Utterance> AnalyseText(std::string_view shiftJis, int variant) {
  auto tokens = tokensOf(shiftJis);
  if (!tokens) return tokens.error();
  Status chosen = ChooseTextVariant(*tokens, variant);  // which accepted reading of each number
  if (!chosen) return chosen.error();
  auto utterance = BuildUtterance(*tokens);  // readings, accent phrases, breath groups
  if (!utterance) return utterance.error();
  AccentCopula(*utterance);                 // です after a flat phrase falls after で
  Status length = checkLength(*utterance);  // bounded work for the vocoder
  if (!length) return length.error();
  DevoiceVowels(*utterance);  // vowels between voiceless consonants
  return utterance;
}

Result<Utterance> AnalyseUtf8(std::string_view utf8, int variant) {
  auto sjis = EncodeShiftJis(utf8);
  if (!sjis) return sjis.error();
  return AnalyseText(*sjis, variant);
}

Result<int> CountVariants(std::string_view shiftJis) {
  auto tokens = tokensOf(shiftJis);
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
