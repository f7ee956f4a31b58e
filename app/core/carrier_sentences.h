#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tani.h"

namespace ruzdo {

// A sentence a question's number is said in (app/data/carriers.tsv): "{}"
// in the written and the phonetic text is where the number goes, "{2}" where
// a second one goes (an announcement's departure time after its platform).
struct CarrierSentence {
  std::string key;       // the counter reading; "" a bare number, "NUM" a digit sequence
  std::string written;   // 全部で{}になります。
  std::string phonetic;  // ぜ'んぶで/{}に/なりま'す。
  std::vector<std::pair<std::int64_t, std::int64_t>> fits;  // value ranges; none: any value
  int line = 0;                                             // in the table, for messages

  bool fitsValue(std::int64_t value) const;
};

// The key of digit sequences.
inline constexpr std::string_view kSequenceKey = "NUM";

struct CarrierTable {
  std::vector<CarrierSentence> rows;
  std::vector<std::string> errors;  // "line 12: ..." for each row left out
};

// Reads the table: tab-separated key, written, phonetic and an optional
// fits column ("1-12", "0-23,24"); "#" starts a comment line. A row without
// exactly one "{}" in each text, or with an unreadable fits column, is left
// out and named in errors, as is one with "{2}" in only one text.
CarrierTable ParseCarriers(std::string_view tsv);

// A sentence drawn with the process's random source among the rows for key
// that fit value (value is ignored for sequences); null when none does. A
// key matches with or without its accent marks (か'い is also かい).
const CarrierSentence* DrawCarrier(const CarrierTable& table, std::string_view key,
                                   std::int64_t value);

// A question said in a sentence: what a learner reads and the engine's text.
struct SentenceText {
  std::string written;   // UTF-8: 全部で1980円になります。
  std::string phonetic;  // UTF-8 with the tag: ぜ'んぶで/<NUMK VAL=1980 COUNTER=えん>に/…
};

// The sentence with a number and counter in it; variant as for
// NumberSpeechText.
SentenceText NumberInSentence(const CarrierSentence& carrier, std::int64_t value, TTani counter,
                              int variant = 1);
// The sentence with a digit sequence as shown on a plate in it.
SentenceText SequenceInSentence(const CarrierSentence& carrier, std::string_view sequence);

// How a number and counter are written inside a sentence: 25本, 3か月.
std::string WrittenNumber(std::int64_t value, TTani counter);

}  // namespace ruzdo
