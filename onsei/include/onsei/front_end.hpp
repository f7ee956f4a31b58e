#pragma once

#include <string>
#include <string_view>

#include "onsei/status.hpp"
#include "onsei/utterance.hpp"

namespace onsei {

// Analyses Shift-JIS phonetic text (kana with the marks ' / 、 。 ？ and the
// number tags <NUMK VAL=... COUNTER=...> and <NUM VAL=...>) into an utterance.
Result<Utterance> AnalyseText(std::string_view shiftJis);

// The same for UTF-8 text (converted to Shift-JIS first).
Result<Utterance> AnalyseUtf8(std::string_view utf8);

// The reading in hiragana: "'" after the accented mora, "/" between accent
// phrases, "、" between breath groups, "？" after a question.
std::string FormatReading(const Utterance& utterance);

// The phonemes, space-separated, with "pau" between breath groups.
std::string FormatPhonemes(const Utterance& utterance);

}  // namespace onsei
