#pragma once

#include <string>
#include <string_view>

#include "onsei/status.hpp"
#include "onsei/utterance.hpp"

namespace onsei {

// Analyses Shift-JIS phonetic text (kana with the marks ' / 、 。 ？ and the
// number tags <NUMK VAL=... COUNTER=... [VARIANT=...]> and <NUM VAL=...>)
// into an utterance. variant picks one of the text's accepted readings,
// 1 ... CountVariants (1, and any out of range: every number as usual).
Result<Utterance> AnalyseText(std::string_view shiftJis, int variant = 1);

// The same for UTF-8 text (converted to Shift-JIS first).
Result<Utterance> AnalyseUtf8(std::string_view utf8, int variant = 1);

// How many accepted readings the text has: the combinations of the readings
// of its number tags that carry no VARIANT of their own (at most 256).
Result<int> CountVariants(std::string_view shiftJis);

// The reading in hiragana: "'" after the accented mora, "/" between accent
// phrases, "、" between breath groups, "？" after a question.
std::string FormatReading(const Utterance& utterance);

// The phonemes, space-separated, with "pau" between breath groups.
std::string FormatPhonemes(const Utterance& utterance);

}  // namespace onsei
