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
// words are under (10000, 0), (100000000, 0), (1000000000000, 0).
const std::string& NumeralReading(long long place, int digit);

struct SoundChange {
  std::string number;   // "-", "gem" or "=KANA"
  std::string counter;  // "-", "semi", "voice" or "=KANA"
};
// (class, last element key) → change; null when the class leaves it alone.
const SoundChange* FindSoundChange(std::string_view cls, std::string_view key);

struct CounterInfo {
  std::string spoken;  // with its accent mark, if any
  std::string cls;
  bool accentOnCounter = false;
  std::map<long long, std::string> forms;  // whole number → reading
};
// Counter as written in a number tag (with its marks) → its entry; null if
// the counter is not in the table.
const CounterInfo* FindCounter(std::string_view reading);

// Reading of one character of a digit sequence; null if it has none.
const std::string* SequenceName(char32_t c);

// Splits the tab-separated rows of a table, skipping blank and # lines.
std::vector<std::vector<std::string>> ParseTable(std::string_view text);

}  // namespace onsei
