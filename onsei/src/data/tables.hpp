#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace onsei {

// The linguistic tables of onsei/data, parsed once on first use. Keys and
// readings are UTF-8.

struct KanaPhonemes {
  std::string consonant;
  std::string vowel;
};
// Hiragana mora (one kana, or a kana with a small kana) → phonemes.
const std::map<std::u32string, KanaPhonemes>& KanaTable();

// (place, digit) → reading; place 1, 10, 100, 1000 and digit 0-9. The group
// words are under (10000, 0), (100000000, 0), (1000000000000, 0). "|" parts
// the digit word from the place word; "'" follows the mora that carries the
// nucleus when the element ends a number said alone (none: flat).
const std::string& NumeralReading(long long place, int digit);

struct SoundChange {
  std::string number;   // "-", "gem", "=KANA" or "alone=KANA"
  std::string counter;  // "-", "semi", "voice" or "=KANA"
};
// (class, last element key) → change; null when the class leaves it alone.
const SoundChange* FindSoundChange(std::string_view cls, std::string_view key);

// Where a number said with a counter carries its nucleus.
enum class CounterAccent {
  Numeral,  // the number's last mora that can carry one: さ'んぼん
  Counter,  // the counter's own mark: にじ'かん
  Flat,     // none: にかい
  End,      // the counter's last mora: いちがつ'
  Alone,    // the number's own, as said without a counter: じゅういち'
};
// An accent word of counters.tsv ("numeral", "counter", "flat", "end",
// "alone").
bool ParseCounterAccent(std::string_view word, CounterAccent& accent);

struct CounterInfo {
  std::string written;  // as the table writes it, the key of its variants
  std::string spoken;   // with its accent mark, if any
  std::string cls;
  CounterAccent accent = CounterAccent::Numeral;
  // Last element key (as in counter_classes.tsv) → an accent other than the
  // counter's usual one: 3年 さんねん is flat where 2年 is に'ねん.
  std::map<std::string, CounterAccent, std::less<>> accentAfter;
  std::map<long long, std::string> forms;  // whole number → reading
  // Whole number → a form said only as its reading 2 (ひと'つき beside
  // いっか'げつ).
  std::map<long long, std::string> otherForms;

  CounterAccent accentAfterElement(std::string_view key) const;
};
// Counter as written in a number tag (with its marks) → its entry; null if
// the counter is not in the table. A tag whose marks the table's key does not
// have finds the entry without them (ぺ'ーじ is ぺーじ); a key that differs
// only by its mark (か'い, かい) is always found exactly.
const CounterInfo* FindCounter(std::string_view reading);

// The other readings of a number with a counter (as written in a tag; "-"
// for a number said alone) whose last element has the given key, in their
// order in variants.tsv: readings 2, 3, ... Empty when there are none.
const std::vector<SoundChange>& FindVariants(std::string_view counter, std::string_view key);

// Reading of one character of a digit sequence; null if it has none. With
// `other`, its other name (0 れ'い) where it has one.
const std::string* SequenceName(char32_t c, bool other = false);

// Splits the tab-separated rows of a table, skipping blank and # lines.
std::vector<std::vector<std::string>> ParseTable(std::string_view text);

}  // namespace onsei
