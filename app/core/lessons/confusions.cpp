#include "core/lessons/confusions.h"

#include <array>

namespace ruzdo {
namespace {

using P = ConfusedPart;
using C = Change;

constexpr std::array kRules{
    // Hours: よじ, しちじ, くじ are the clock's own readings of 4, 7 and 9.
    ConfusionRule{P::kHour, C::kSwap, 1, 7, 0, "いちじ/しちじ: one consonant apart"},
    ConfusionRule{P::kHour, C::kSwap, 1, 8, 0, "いちじ/はちじ: the same ちじ"},
    ConfusionRule{P::kHour, C::kSwap, 4, 7, 0, "よじ/しちじ: neither is よん or なな"},
    ConfusionRule{P::kHour, C::kSwap, 4, 9, 0, "よじ/くじ: two short morae before じ"},
    ConfusionRule{P::kHour, C::kPlusTen, 0, 0, 0, "よじ/じゅうよじ: じゅう missed or heard"},
    // Minutes.
    ConfusionRule{P::kMinute, C::kTenOrder, 0, 0, 0, "じゅうごふん/ごじゅっぷん: the other order"},
    ConfusionRule{P::kMinute, C::kTensWord, 0, 0, 0,
                  "よんじゅうごふん/じゅうごふん: the tens missed"},
    ConfusionRule{P::kMinute, C::kPlusTen, 0, 0, 0, "ごふん/じゅうごふん: じゅう missed or heard"},
    ConfusionRule{P::kMinute, C::kSwap, 0, 30, 0, "よじはん/よじ: はん missed at the end"},
    // Months: 4, 7 and 9 have their own forms before がつ.
    ConfusionRule{P::kMonth, C::kSwap, 4, 7, 0, "しがつ/しちがつ: one mora apart"},
    ConfusionRule{P::kMonth, C::kSwap, 4, 9, 0, "しがつ/くがつ: one mora before がつ"},
    ConfusionRule{P::kMonth, C::kSwap, 7, 9, 0, "しちがつ/くがつ: the short forms of 7 and 9"},
    ConfusionRule{P::kMonth, C::kSwap, 1, 7, 0, "いちがつ/しちがつ: one consonant apart"},
    ConfusionRule{P::kMonth, C::kPlusTen, 0, 0, 0, "にがつ/じゅうにがつ: じゅう missed or heard"},
    // Days: the native forms of 1-10, 14, 20 and 24.
    ConfusionRule{P::kDay, C::kSwap, 4, 8, 0, "よっか/ようか: っ or う"},
    ConfusionRule{P::kDay, C::kSwap, 2, 20, 0, "ふつか/はつか: ふ or は"},
    ConfusionRule{P::kDay, C::kSwap, 2, 5, 0, "ふつか/いつか: the same つか"},
    ConfusionRule{P::kDay, C::kSwap, 5, 20, 0, "いつか/はつか: the same つか"},
    ConfusionRule{P::kDay, C::kSwap, 4, 14, 0, "よっか/じゅうよっか: じゅう missed"},
    ConfusionRule{P::kDay, C::kSwap, 14, 24, 0, "じゅうよっか/にじゅうよっか: に missed"},
    ConfusionRule{P::kDay, C::kSwap, 11, 17, 0, "じゅういちにち/じゅうしちにち: one consonant"},
    ConfusionRule{P::kDay, C::kSwap, 21, 27, 0, "にじゅういちにち/にじゅうしちにち: one consonant"},
    // Yen: the sound changes of ひゃく and せん.
    ConfusionRule{P::kYen, C::kDigit, 3, 6, 100, "さんびゃく/ろっぴゃく"},
    ConfusionRule{P::kYen, C::kDigit, 3, 8, 100, "さんびゃく/はっぴゃく"},
    ConfusionRule{P::kYen, C::kDigit, 6, 8, 100, "ろっぴゃく/はっぴゃく: the same っぴゃく"},
    ConfusionRule{P::kYen, C::kDigit, 1, 8, 100, "ひゃく/はっぴゃく: は missed or heard"},
    ConfusionRule{P::kYen, C::kDigit, 3, 8, 1000, "さんぜん/はっせん"},
    ConfusionRule{P::kYen, C::kDigit, 1, 8, 1000, "せん/はっせん: は missed or heard"},
    ConfusionRule{P::kYen, C::kTimesTen, 0, 0, 0, "せん/まん: the power word misheard"},
    // Phone numbers, said digit by digit.
    ConfusionRule{P::kPhoneDigit, C::kDigit, 1, 8, 0, "いち/はち: the same ち"},
    ConfusionRule{P::kPhoneDigit, C::kDigit, 3, 4, 0, "さん/よん: the same ん"},
    ConfusionRule{P::kPhoneDigit, C::kDigit, 2, 5, 0, "にー/ごー: both lengthened"},
    ConfusionRule{P::kPhoneDigit, C::kDigit, 6, 9, 0, "ろく/きゅう: the same く"},
    ConfusionRule{P::kPhoneDigit, C::kDigit, 0, 4, 0, "れい/よん: れい for 0 is rarely heard"},
    ConfusionRule{P::kPhonePrefix, C::kSwap, 90, 80, 0, "ぜろきゅうぜろ/ぜろはちぜろ"},
    ConfusionRule{P::kPhonePrefix, C::kSwap, 80, 70, 0, "ぜろはちぜろ/ぜろななぜろ"},
    ConfusionRule{P::kPhonePrefix, C::kSwap, 3, 6, 0, "ぜろさん/ぜろろく: Tokyo or Osaka"},
    // Big numbers: groups of four digits closed by まん and おく.
    ConfusionRule{P::kAmount, C::kTimesTen, 0, 0, 0,
                  "いちまん/じゅうまん: the power word misheard"},
    ConfusionRule{P::kAmount, C::kDigit, 3, 6, 1000000, "さんびゃくまん/ろっぴゃくまん"},
    ConfusionRule{P::kAmount, C::kDigit, 3, 8, 1000000, "さんびゃくまん/はっぴゃくまん"},
    ConfusionRule{P::kAmount, C::kDigit, 6, 8, 1000000, "ろっぴゃくまん/はっぴゃくまん"},
    ConfusionRule{P::kAmount, C::kDigit, 3, 8, 10000000, "さんぜんまん/はっせんまん"},
    ConfusionRule{P::kAmount, C::kDigit, 1, 8, 10000000, "いっせんまん/はっせんまん"},
    // Platforms: 7 is なな, and しち on some lines.
    ConfusionRule{P::kPlatform, C::kSwap, 1, 7, 0, "いちばんせん/しちばんせん"},
    ConfusionRule{P::kPlatform, C::kSwap, 1, 8, 0, "いちばんせん/はちばんせん: the same ち"},
    ConfusionRule{P::kPlatform, C::kSwap, 3, 4, 0, "さんばんせん/よんばんせん: the same ん"},
    ConfusionRule{P::kPlatform, C::kPlusTen, 0, 0, 0, "さんばんせん/じゅうさんばんせん"},
};

// The parts each lesson's confusions change.
std::vector<ConfusedPart> PartsOf(DrillMode lesson) {
  switch (lesson) {
    case DrillMode::kTimes:
      return {P::kHour, P::kMinute};
    case DrillMode::kDates:
      return {P::kMonth, P::kDay};
    case DrillMode::kPrices:
      return {P::kYen};
    case DrillMode::kPhones:
      return {P::kPhonePrefix, P::kPhoneDigit};
    case DrillMode::kBigNumbers:
      return {P::kAmount};
    case DrillMode::kAnnouncements:
      return {P::kPlatform, P::kHour, P::kMinute};
    default:
      return {};
  }
}

long long NumericPart(const LessonItem& item, ConfusedPart part) {
  switch (part) {
    case P::kHour:
      return item.hour;
    case P::kMinute:
      return item.minute;
    case P::kMonth:
      return item.month;
    case P::kDay:
      return item.day;
    case P::kPlatform:
      return item.platform;
    default:
      return item.amount;
  }
}

void SetNumericPart(LessonItem& item, ConfusedPart part, long long value) {
  const int small = static_cast<int>(value);
  switch (part) {
    case P::kHour:
      item.hour = small;
      break;
    case P::kMinute:
      item.minute = small;
      break;
    case P::kMonth:
      item.month = small;
      break;
    case P::kDay:
      item.day = small;
      break;
    case P::kPlatform:
      item.platform = small;
      break;
    default:
      item.amount = value;
  }
}

// The values a rule hears for v.
std::vector<long long> Heard(const ConfusionRule& rule, long long v) {
  std::vector<long long> out;
  switch (rule.change) {
    case C::kSwap:
      if (v == rule.a) out.push_back(rule.b);
      if (v == rule.b) out.push_back(rule.a);
      break;
    case C::kPlusTen:
      if (v >= 1 && v < 10) out.push_back(v + 10);
      if (v > 10 && v < 20) out.push_back(v - 10);
      break;
    case C::kTenOrder:
      if (v > 11 && v < 20) out.push_back(v % 10 * 10);
      if (v >= 20 && v < 100 && v % 10 == 0) out.push_back(10 + v / 10);
      break;
    case C::kTensWord:
      if (v >= 20 && v < 100) out.push_back(10 + v % 10);
      if (v >= 10 && v < 20)
        for (long long tens = 2; tens <= 5; ++tens) out.push_back(tens * 10 + v % 10);
      break;
    case C::kDigit: {
      if (v < rule.place) break;
      const long long digit = v / rule.place % 10;
      if (digit == rule.a) out.push_back(v + (rule.b - rule.a) * rule.place);
      if (digit == rule.b) out.push_back(v + (rule.a - rule.b) * rule.place);
      break;
    }
    case C::kTimesTen:
      out.push_back(v * 10);
      if (v % 10 == 0) out.push_back(v / 10);
      break;
  }
  return out;
}

// A phone number's digits changed by a digit rule, one digit at a time,
// after the first group (the area code or the mobile prefix).
void PhoneDigitConfusions(const LessonItem& item, const ConfusionRule& rule,
                          std::vector<LessonConfusion>& out) {
  for (std::size_t g = 1; g < item.groups.size(); ++g)
    for (std::size_t i = 0; i < item.groups[g].size(); ++i) {
      const int digit = item.groups[g][i] - '0';
      if (digit != rule.a && digit != rule.b) continue;
      LessonItem heard = item;
      heard.groups[g][i] = static_cast<char>('0' + (digit == rule.a ? rule.b : rule.a));
      out.push_back({std::move(heard), rule.reason});
    }
}

void PhonePrefixConfusions(const LessonItem& item, const ConfusionRule& rule,
                           std::vector<LessonConfusion>& out) {
  if (item.groups.empty()) return;
  const std::string& first = item.groups[0];
  // 090 is 0 then 90; 03 is 0 then 3.
  const std::string a = "0" + std::to_string(rule.a), b = "0" + std::to_string(rule.b);
  if (first != a && first != b) return;
  LessonItem heard = item;
  heard.groups[0] = first == a ? b : a;
  out.push_back({std::move(heard), rule.reason});
}

int DaysIn(int month, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

bool ValidTime(int prefix, int hour, int minute) {
  const bool clock = prefix == 0 ? hour >= 0 && hour <= 23 : hour >= 1 && hour <= 12;
  return clock && minute >= 0 && minute <= 59;
}

}  // namespace

std::span<const ConfusionRule> ConfusionRules() { return kRules; }

bool ValidLessonItem(const LessonItem& item) {
  switch (item.lesson) {
    case DrillMode::kTimes:
      return ValidTime(item.prefix, item.hour, item.minute);
    case DrillMode::kDates:
      return item.month >= 1 && item.month <= 12 && item.day >= 1 &&
             item.day <= DaysIn(item.month, item.year);
    case DrillMode::kPrices:
      return item.amount >= 10 && item.amount <= 1000000;
    case DrillMode::kPhones:
      return !item.groups.empty();
    case DrillMode::kBigNumbers:
      return item.amount >= 10000 && item.amount < 100000000000LL && item.amount % 10000 == 0;
    case DrillMode::kAnnouncements:
      return item.platform >= 1 && item.platform <= 20 && ValidTime(0, item.hour, item.minute);
    default:
      return false;
  }
}

std::vector<LessonConfusion> ConfusionsOf(const LessonItem& item) {
  std::vector<LessonConfusion> out;
  for (const ConfusedPart part : PartsOf(item.lesson))
    for (const ConfusionRule& rule : kRules) {
      if (rule.part != part) continue;
      if (part == P::kPhoneDigit) {
        PhoneDigitConfusions(item, rule, out);
        continue;
      }
      if (part == P::kPhonePrefix) {
        PhonePrefixConfusions(item, rule, out);
        continue;
      }
      for (const long long heard : Heard(rule, NumericPart(item, part))) {
        LessonItem other = item;
        SetNumericPart(other, part, heard);
        if (ValidLessonItem(other)) out.push_back({std::move(other), rule.reason});
      }
    }
  return out;
}

}  // namespace ruzdo
