#include "reading/numbers.hpp"

#include <array>
#include <optional>
#include <string>

#include "data/tables.hpp"
#include "reading/kana_moras.hpp"
#include "text/utf8.hpp"

namespace onsei {
namespace {

constexpr std::size_t kMaxDigits = 16;

// A piece of a spoken number: its kana and the key by which counter
// classes find their sound change (ones digit "1".."9", "10", "100",
// "1000", or the group words "10000", "oku", "chou").
struct Element {
  std::string kana;
  std::string key;
  bool placeAlone = false;  // 10, 100, 1000 without a digit before them
};

struct Group {
  std::vector<Element> elements;
};

// Elements of one four-digit group (0 < n < 10000).
std::vector<Element> groupElements(int n) {
  std::vector<Element> out;
  const std::array<std::pair<int, const char*>, 4> places = {
      {{1000, "1000"}, {100, "100"}, {10, "10"}, {1, ""}}};
  for (const auto& [place, key] : places) {
    const int d = (n / place) % 10;
    if (d == 0) continue;
    out.push_back(
        {NumeralReading(place, d), place == 1 ? std::to_string(d) : key, place > 1 && d == 1});
  }
  return out;
}

// The first hiragana of a string, voiced or turned to the p-row.
std::string changeFirstKana(const std::string& kana, bool semiVoiced) {
  std::u32string s;
  FromUtf8(kana, s);
  if (s.empty()) return kana;
  char32_t& c = s[0];
  const bool hRow = c == U'は' || c == U'ひ' || c == U'ふ' || c == U'へ' || c == U'ほ';
  const bool voiceable = (c >= U'か' && c <= U'ぢ' && (c - U'か') % 2 == 0) ||
                         (c >= U'つ' && c <= U'ど' && (c - U'つ') % 2 == 0);
  if (hRow)
    c += semiVoiced ? 2 : 1;
  else if (!semiVoiced && voiceable)
    c += 1;
  return ToUtf8(s);
}

// A changed element loses the accent it has when said alone.
std::string applyNumberChange(const Element& e, const std::string& op) {
  std::string kana = e.kana;
  if (op.rfind("alone=", 0) == 0) return e.placeAlone ? op.substr(6) : kana;
  if (op == "gem") {
    std::u32string s;
    FromUtf8(kana, s);
    std::erase(s, U'\'');
    if (!s.empty()) s.back() = U'っ';
    return ToUtf8(s);
  }
  // "=KANA" replaces the element's last word: the ones digit, or the place
  // word of 20, 300 (に|じゅう → に|じっ).
  if (!op.empty() && op[0] == '=') return kana.substr(0, kana.rfind('|') + 1) + op.substr(1);
  return kana;
}

std::string applyCounterChange(const std::string& kana, const std::string& op) {
  if (op == "semi") return changeFirstKana(kana, true);
  if (op == "voice") return changeFirstKana(kana, false);
  if (!op.empty() && op[0] == '=') return op.substr(1);
  return kana;
}

void applyChange(const SoundChange& change, std::vector<Element>& number, std::string& counter) {
  if (number.empty()) return;
  number.back().kana = applyNumberChange(number.back(), change.number);
  counter = applyCounterChange(counter, change.counter);
}

// The last element's sound change under a counter class.
void applyClass(std::string_view cls, std::vector<Element>& number, std::string& counter) {
  if (number.empty()) return;
  const SoundChange* change = FindSoundChange(cls, number.back().key);
  if (change) applyChange(*change, number, counter);
}

// The other readings of a number ending in lastKey before a counter as
// written in its tag.
const std::vector<SoundChange>& variantsOf(const std::string& written, std::string_view lastKey) {
  return FindVariants(written.empty() ? std::string_view("-") : std::string_view(written), lastKey);
}

// Reading `variant` (2, 3, ...) of a number ending in lastKey; null for the
// usual reading, and for a variant the table does not have.
const SoundChange* chosenVariant(const std::string& written, std::string_view lastKey,
                                 int variant) {
  const auto& variants = variantsOf(written, lastKey);
  if (variant < 2 || static_cast<std::size_t>(variant - 1) > variants.size()) return nullptr;
  return &variants[static_cast<std::size_t>(variant - 2)];
}

// The number's last mora that can carry a nucleus (not ん, っ or a long vowel).
int numeralAccent(const std::vector<Mora>& numberMoras) {
  for (int i = static_cast<int>(numberMoras.size()) - 1; i >= 0; --i)
    if (!numberMoras[static_cast<std::size_t>(i)].special()) return i + 1;
  return 0;
}

// Splits a numeral reading into its words ("に|じゅう" is に and じゅう).
std::vector<std::string> numeralWords(const std::string& kana) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (start <= kana.size()) {
    const std::size_t bar = kana.find('|', start);
    const std::size_t end = bar == std::string::npos ? kana.size() : bar;
    if (end > start) words.push_back(kana.substr(start, end - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return words;
}

// The phrase of a number and its counter. Without a rule the number is said
// alone and takes its last element's own accent (な'な, に'じゅう, さん flat).
Result<AccentPhrase> makePhrase(const std::vector<Element>& number, const std::string& counterKana,
                                std::optional<CounterAccent> rule, KanaStyle counterStyle) {
  AccentPhrase phrase;
  std::vector<Mora> numberMoras;
  int lastElementAccent = 0;  // the last element's own nucleus, in the phrase
  for (const Element& e : number) {
    lastElementAccent = 0;
    for (const std::string& word : numeralWords(e.kana)) {
      auto run = KanaToMoras(word, KanaStyle::Reading);
      if (!run) return run.error();
      if (run->accent != 0) lastElementAccent = static_cast<int>(numberMoras.size()) + run->accent;
      numberMoras.insert(numberMoras.end(), run->moras.begin(), run->moras.end());
      phrase.words.push_back({std::move(run->moras), PartOfSpeech::Numeral});
    }
  }
  auto counter = KanaToMoras(counterKana, counterStyle);
  if (!counter) return Error{"the counter: " + counter.error().message};
  if (!counter->moras.empty()) phrase.words.push_back({counter->moras, PartOfSpeech::Counter});
  const int numberLength = static_cast<int>(numberMoras.size());
  const int counterLength = static_cast<int>(counter->moras.size());
  if (!rule) {
    phrase.accent = lastElementAccent;
    return phrase;
  }
  switch (*rule) {
    case CounterAccent::Numeral:
      phrase.accent = numeralAccent(numberMoras);
      break;
    case CounterAccent::Counter:
      phrase.accent = counter->accent != 0 ? numberLength + counter->accent : 0;
      break;
    case CounterAccent::Flat:
      phrase.accent = 0;
      break;
    case CounterAccent::End:
      phrase.accent = counterLength != 0 ? numberLength + counterLength : 0;
      break;
    case CounterAccent::Alone:
      phrase.accent = lastElementAccent;
      break;
  }
  return phrase;
}

Result<AccentPhrase> specialForm(const std::string& form) {
  auto run = KanaToMoras(form, KanaStyle::Reading);
  if (!run) return run.error();
  AccentPhrase phrase;
  phrase.words.push_back({run->moras, PartOfSpeech::Noun});
  phrase.accent = run->accent;
  return phrase;
}

// The magnitude of a VAL: decimal digits, optionally after a "-".
Result<long long> parseValue(std::string_view value) {
  const bool negative = !value.empty() && value.front() == '-';
  std::string_view digits = negative ? value.substr(1) : value;
  if (digits.empty()) return Error{"the number tag has no digits in VAL"};
  for (char c : digits)
    if (c < '0' || c > '9')
      return Error{"VAL \"" + std::string(value) + "\" is not a whole decimal number"};
  while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
  if (digits.size() > kMaxDigits)
    return Error{"VAL \"" + std::string(value) + "\" has more than 16 digits"};
  long long n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

// Groups of four digits, highest first, each closed by its group word.
struct GroupWord {
  long long scale;
  long long place;
  const char* counter;
  const char* key;
};
constexpr std::array<GroupWord, 4> kGroupWords = {
    {{1000000000000LL, 1000000000000LL, "ちょう", "chou"},
     {100000000LL, 100000000LL, "おく", "oku"},
     {10000LL, 10000LL, "まん", "10000"},
     {1LL, 0, "", ""}}};

// The key of the element a counter follows: of the lowest group that is not
// zero, its last element or its group word.
std::string lastElementKey(long long n) {
  if (n == 0) return "0";
  for (auto g = kGroupWords.rbegin(); g != kGroupWords.rend(); ++g) {
    const int part = static_cast<int>((n / g->scale) % 10000);
    if (part == 0) continue;
    return g->place != 0 ? g->key : groupElements(part).back().key;
  }
  return "0";
}

// The table's entry of a counter as written in a tag. A tag that finds it
// only without its marks must still be well-formed kana ('ほん is not ほん).
Result<const CounterInfo*> tagCounter(const std::string& written) {
  const CounterInfo* info = FindCounter(written);
  if (info && info->written != written) {
    auto checked = KanaToMoras(written, KanaStyle::AsWritten);
    if (!checked) return Error{"the counter: " + checked.error().message};
  }
  return info;
}

}  // namespace

Result<int> NumberVariantCount(std::string_view value, std::u32string_view counter) {
  auto n = parseValue(value);
  if (!n) return n.error();
  auto found = tagCounter(ToUtf8(counter));
  if (!found) return found.error();
  const CounterInfo* info = *found;
  const std::string written = info ? info->written : ToUtf8(counter);
  if (info && info->forms.count(*n)) return 1;
  const int otherForms = info && info->otherForms.count(*n) ? 1 : 0;
  return 1 + otherForms + static_cast<int>(variantsOf(written, lastElementKey(*n)).size());
}

Result<std::vector<AccentPhrase>> ReadNumber(std::string_view value, std::u32string_view counter,
                                             int variant) {
  std::vector<AccentPhrase> phrases;
  const bool negative = !value.empty() && value.front() == '-';
  auto parsed = parseValue(value);
  if (!parsed) return parsed.error();
  const long long n = *parsed;

  // The counter as said after the number, with its class and accent rule.
  // written: the table's key when the counter is in it (a tag may add a mark).
  auto found = tagCounter(ToUtf8(counter));
  if (!found) return found.error();
  const CounterInfo* info = *found;
  const std::string written = info ? info->written : ToUtf8(counter);
  std::string counterKana = info ? info->spoken : written;
  const std::string cls = info ? info->cls : std::string();
  const KanaStyle counterStyle = info ? KanaStyle::Reading : KanaStyle::AsWritten;
  // A counter outside the table decides by its own mark, if it has one.
  auto accentAfter = [&](std::string_view lastKey) -> std::optional<CounterAccent> {
    if (info) return info->accentAfterElement(lastKey);
    if (written.empty()) return std::nullopt;
    return written.find('\'') != std::string::npos ? CounterAccent::Counter
                                                   : CounterAccent::Numeral;
  };

  if (negative) {
    auto minus = specialForm("ま'いなす");
    if (!minus) return minus.error();
    phrases.push_back(std::move(minus.value()));
  }

  if (info) {
    // A whole form is the usual reading, or reading 2 where it is another
    // form; the sound-change variants then come after it.
    const std::string* form = nullptr;
    if (const auto usual = info->forms.find(n); usual != info->forms.end()) form = &usual->second;
    if (const auto other = info->otherForms.find(n); other != info->otherForms.end()) {
      if (variant == 2) form = &other->second;
      if (variant > 2) --variant;
    }
    if (form) {
      auto phrase = specialForm(*form);
      if (!phrase) return phrase.error();
      phrases.push_back(std::move(phrase.value()));
      return phrases;
    }
  }

  if (n == 0) {
    std::vector<Element> zero = {{NumeralReading(1, 0), "0"}};
    if (const SoundChange* chosen = chosenVariant(written, "0", variant))
      applyChange(*chosen, zero, counterKana);
    auto phrase = makePhrase(zero, counterKana, accentAfter("0"), counterStyle);
    if (!phrase) return phrase.error();
    phrases.push_back(std::move(phrase.value()));
    return phrases;
  }

  std::vector<std::vector<Element>> groups;
  for (const GroupWord& g : kGroupWords) {
    const int part = static_cast<int>((n / g.scale) % 10000);
    if (part == 0) continue;
    std::vector<Element> elements = groupElements(part);
    if (g.place != 0) {
      std::string word = NumeralReading(g.place, 0);
      const CounterInfo* groupInfo = FindCounter(g.counter);
      if (groupInfo) applyClass(groupInfo->cls, elements, word);
      elements.push_back({word, g.key});
    }
    groups.push_back(std::move(elements));
  }

  for (std::size_t i = 0; i < groups.size(); ++i) {
    const bool last = i + 1 == groups.size();
    std::string counterHere = last ? counterKana : std::string();
    // The element the counter follows, before its sound change.
    const std::string lastKey = groups[i].back().key;
    if (last) {
      // A chosen variant replaces the class's usual change.
      if (const SoundChange* chosen = chosenVariant(written, lastKey, variant))
        applyChange(*chosen, groups[i], counterHere);
      else if (!cls.empty())
        applyClass(cls, groups[i], counterHere);
    }
    const std::optional<CounterAccent> rule =
        last ? accentAfter(lastKey) : std::optional(CounterAccent::Numeral);
    auto phrase = makePhrase(groups[i], counterHere, rule, counterStyle);
    if (!phrase) return phrase.error();
    phrases.push_back(std::move(phrase.value()));
  }
  return phrases;
}

}  // namespace onsei
