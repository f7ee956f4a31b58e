#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "onsei/status.hpp"
#include "text/shift_jis.hpp"

namespace onsei {

// One piece of phonetic text.
struct Token {
  enum class Kind {
    Kana,         // kana with "ー" and "'" marks
    PhraseBreak,  // "/"
    Pause,        // "、"
    SentenceEnd,  // "。"
    Question,     // "？"
    Number,       // <NUMK VAL=value COUNTER=text [VARIANT=n]>
    Sequence,     // <NUM VAL=value [VARIANT=n]>
  };
  Kind kind;
  std::u32string text;  // Kana: the run; Number: the counter reading
  std::string value;    // Number, Sequence: the VAL attribute
  std::size_t offset;   // byte offset in the input
  int variant = 0;  // Number, Sequence: the VARIANT attribute (1 = the usual reading); 0 if absent
};

// Splits decoded phonetic text into tokens; fails on anything else (kanji,
// unknown tags, unbalanced "<", ...), saying what and where.
Result<std::vector<Token>> ParsePhoneticText(const DecodedText& text);

}  // namespace onsei
