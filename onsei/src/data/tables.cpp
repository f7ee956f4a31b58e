#include "data/tables.hpp"

#include <cstdlib>

#include "data/embedded.hpp"
#include "text/utf8.hpp"

namespace onsei {

std::vector<std::vector<std::string>> ParseTable(std::string_view text) {
  std::vector<std::vector<std::string>> rows;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> fields;
    std::size_t f = 0;
    while (true) {
      const std::size_t tab = line.find('\t', f);
      fields.emplace_back(line.substr(f, tab == std::string_view::npos ? tab : tab - f));
      if (tab == std::string_view::npos) break;
      f = tab + 1;
    }
    rows.push_back(std::move(fields));
  }
  return rows;
}

namespace {

const std::string& field(const std::vector<std::string>& row, std::size_t i) {
  static const std::string empty;
  return i < row.size() ? row[i] : empty;
}

std::u32string utf32(const std::string& s) {
  std::u32string out;
  FromUtf8(s, out);
  return out;
}

struct Numerals {
  std::map<std::pair<long long, int>, std::string> readings;
};

const Numerals& numerals() {
  static const Numerals table = [] {
    Numerals n;
    for (const auto& row : ParseTable(EmbeddedTable("numerals.tsv"))) {
      const long long place = std::atoll(field(row, 0).c_str());
      const int digit = field(row, 1) == "-" ? 0 : std::atoi(field(row, 1).c_str());
      n.readings[{place, digit}] = field(row, 2);
    }
    return n;
  }();
  return table;
}

}  // namespace

const std::map<std::u32string, KanaPhonemes>& KanaTable() {
  static const std::map<std::u32string, KanaPhonemes> table = [] {
    std::map<std::u32string, KanaPhonemes> t;
    for (const auto& row : ParseTable(EmbeddedTable("kana.tsv")))
      t[utf32(field(row, 0))] = {field(row, 1), field(row, 2)};
    return t;
  }();
  return table;
}

const std::string& NumeralReading(long long place, int digit) {
  static const std::string none;
  const auto& r = numerals().readings;
  const auto it = r.find({place, digit});
  return it == r.end() ? none : it->second;
}

const SoundChange* FindSoundChange(std::string_view cls, std::string_view key) {
  static const std::map<std::pair<std::string, std::string>, SoundChange, std::less<>> table = [] {
    std::map<std::pair<std::string, std::string>, SoundChange, std::less<>> t;
    for (const auto& row : ParseTable(EmbeddedTable("counter_classes.tsv")))
      t[{field(row, 0), field(row, 1)}] = {field(row, 2), field(row, 3)};
    return t;
  }();
  const auto it = table.find(std::pair<std::string, std::string>(cls, key));
  return it == table.end() ? nullptr : &it->second;
}

bool ParseCounterAccent(std::string_view word, CounterAccent& accent) {
  static constexpr std::pair<std::string_view, CounterAccent> kWords[] = {
      {"numeral", CounterAccent::Numeral},
      {"counter", CounterAccent::Counter},
      {"flat", CounterAccent::Flat},
      {"end", CounterAccent::End},
      {"alone", CounterAccent::Alone}};
  for (const auto& [name, value] : kWords)
    if (name == word) {
      accent = value;
      return true;
    }
  return false;
}

CounterAccent CounterInfo::accentAfterElement(std::string_view key) const {
  const auto it = accentAfter.find(key);
  return it == accentAfter.end() ? accent : it->second;
}

namespace {

// The space-separated words of a field.
std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> out;
  std::size_t p = 0;
  while (p < text.size()) {
    std::size_t space = text.find(' ', p);
    if (space == std::string::npos) space = text.size();
    if (space > p) out.push_back(text.substr(p, space - p));
    p = space + 1;
  }
  return out;
}

// "numeral 3=flat 5=flat": the usual accent, then exceptions by last element.
void parseAccent(const std::string& text, CounterInfo& c) {
  for (const std::string& word : words(text)) {
    const std::size_t eq = word.find('=');
    CounterAccent accent;
    if (eq == std::string::npos) {
      if (ParseCounterAccent(word, accent)) c.accent = accent;
    } else if (ParseCounterAccent(std::string_view(word).substr(eq + 1), accent)) {
      c.accentAfter[word.substr(0, eq)] = accent;
    }
  }
}

// "1=ひと'つき 2=ふた'つき": whole number → reading.
void parseForms(const std::string& text, std::map<long long, std::string>& forms) {
  for (const std::string& form : words(text)) {
    const std::size_t eq = form.find('=');
    if (eq != std::string::npos)
      forms[std::atoll(form.substr(0, eq).c_str())] = form.substr(eq + 1);
  }
}

}  // namespace

const CounterInfo* FindCounter(std::string_view reading) {
  static const std::map<std::string, CounterInfo, std::less<>> table = [] {
    std::map<std::string, CounterInfo, std::less<>> t;
    for (const auto& row : ParseTable(EmbeddedTable("counters.tsv"))) {
      CounterInfo c;
      c.written = field(row, 0);
      c.spoken = field(row, 1);
      c.cls = field(row, 2);
      parseAccent(field(row, 3), c);
      parseForms(field(row, 4), c.forms);
      parseForms(field(row, 5), c.otherForms);
      t[field(row, 0)] = std::move(c);
    }
    return t;
  }();
  auto it = table.find(reading);
  if (it == table.end() && reading.find('\'') != std::string_view::npos) {
    std::string bare(reading);
    std::erase(bare, '\'');
    it = table.find(bare);
  }
  return it == table.end() ? nullptr : &it->second;
}

const std::vector<SoundChange>& FindVariants(std::string_view counter, std::string_view key) {
  using Key = std::pair<std::string, std::string>;
  static const std::map<Key, std::vector<SoundChange>, std::less<>> table = [] {
    std::map<Key, std::vector<SoundChange>, std::less<>> t;
    for (const auto& row : ParseTable(EmbeddedTable("variants.tsv")))
      t[{field(row, 0), field(row, 1)}].push_back({field(row, 2), field(row, 3)});
    return t;
  }();
  static const std::vector<SoundChange> none;
  const auto it = table.find(Key(counter, key));
  return it == table.end() ? none : it->second;
}

const std::string* SequenceName(char32_t c, bool other) {
  using Names = std::map<char32_t, std::string>;
  static const std::pair<Names, Names> tables = [] {
    std::pair<Names, Names> t;
    for (const auto& row : ParseTable(EmbeddedTable("sequence_names.tsv"))) {
      const std::u32string key = utf32(field(row, 0));
      if (key.size() != 1) continue;
      t.first[key[0]] = field(row, 1);
      if (!field(row, 2).empty()) t.second[key[0]] = field(row, 2);
    }
    return t;
  }();
  if (c >= U'a' && c <= U'z') c = c - U'a' + U'A';
  const Names& names = other ? tables.second : tables.first;
  const auto it = names.find(c);
  return it == names.end() ? nullptr : &it->second;
}

}  // namespace onsei
