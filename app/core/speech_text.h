#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tani.h"

namespace ruzdo {

// The speech engine's text for a number with a counter word:
// "<NUMK VAL=%d COUNTER=%s>。" in Shift-JIS (code page 932). A variant other
// than 1 asks for another accepted reading of the number:
// "<NUMK VAL=%d COUNTER=%s VARIANT=%d>。"; 1 gives the text without it.
std::string NumberSpeechText(int value, TTani counter, int variant = 1);

// The number tag alone, in UTF-8: "<NUMK VAL=%lld COUNTER=%s>" (with
// " VARIANT=%d" as above), for a sentence to hold.
std::string NumberTag(long long value, TTani counter, int variant = 1);

// The engine's text for a digit sequence as shown on a plate: "<NUM VAL=%s>"
// in Shift-JIS; nothing when the sequence has characters Shift-JIS lacks.
std::optional<std::string> SequenceSpeechText(std::string_view utf8Sequence);

// UTF-8 to Shift-JIS (code page 932); nothing for text it cannot hold.
std::optional<std::string> ToShiftJis(std::string_view utf8);

}  // namespace ruzdo
