#include "core/lessons/lesson_item.h"

#include <string_view>

#include "core/typed_answer.h"

namespace ruzdo {
namespace {

// Sunday first, as the calendar below counts.
struct WeekdayName {
  std::string_view written;  // 土
  std::string_view reading;  // どよ'ーび: the nucleus on よ
};
constexpr std::array<WeekdayName, 7> kWeekdays{{
    {"日", "にちよ'ーび"},
    {"月", "げつよ'ーび"},
    {"火", "かよ'ーび"},
    {"水", "すいよ'ーび"},
    {"木", "もくよ'ーび"},
    {"金", "きんよ'ーび"},
    {"土", "どよ'ーび"},
}};

// The day of the week of a Gregorian date, 0 Sunday … 6 Saturday.
int DayOfWeek(int year, int month, int day) {
  static constexpr int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) --year;
  return (year + year / 4 - year / 100 + year / 400 + kMonthOffset[month - 1] + day) % 7;
}

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

std::string TimeCaption(int prefix, int hour, int minute) {
  static constexpr std::string_view kPrefixes[] = {"", "午前", "午後"};
  return std::string(kPrefixes[prefix]) + std::to_string(hour) + ":" + TwoDigits(minute);
}

SpeechPiece TimePiece(const LessonItem& item) {
  static constexpr std::string_view kPrefixes[] = {"", "ご'ぜん/", "ご'ご/"};
  SpeechPiece piece;
  piece.written = TimeCaption(item.prefix, item.hour, item.minute);
  piece.before = kPrefixes[item.prefix];
  const std::string hour = std::to_string(item.hour);
  if (item.half && item.minute == 30) {
    piece.tags.push_back({hour, "じはん"});
  } else {
    piece.tags.push_back({hour, "じ"});
    // On the hour nothing follows 時.
    if (item.minute > 0) piece.tags.push_back({std::to_string(item.minute), "ふん"});
  }
  return piece;
}

std::string_view BigNumberUnit(int unit) {
  static constexpr std::string_view kUnits[] = {"", "円", "人"};
  return kUnits[unit];
}

std::string_view BigNumberCounter(int unit) {
  static constexpr std::string_view kCounters[] = {"", "えん", "にん"};
  return kCounters[unit];
}

std::string JoinedGroups(const std::vector<std::string>& groups) {
  std::string out;
  for (const std::string& group : groups) out += (out.empty() ? "" : "-") + group;
  return out;
}

}  // namespace

std::string SpeechTag::text() const {
  std::string out = digits ? "<NUM VAL=" + value : "<NUMK VAL=" + value + " COUNTER=" + counter;
  if (variant != 1) out += " VARIANT=" + std::to_string(variant);
  return out + ">";
}

std::string SpeechPiece::phonetic() const {
  std::string out = before;
  for (const SpeechTag& tag : tags) out += tag.text();
  return out + after;
}

std::string WithThousands(long long value) {
  std::string digits = std::to_string(value);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), ",");
  return digits;
}

std::string InGroupsOfTenThousand(long long value) {
  const long long oku = value / 100000000, man = value / 10000 % 10000, rest = value % 10000;
  std::string out;
  if (oku > 0) out += std::to_string(oku) + "億";
  if (man > 0) out += std::to_string(man) + "万";
  if (rest > 0 || out.empty()) out += std::to_string(rest);
  return out;
}

std::string LessonCaption(const LessonItem& item) {
  switch (item.lesson) {
    case DrillMode::kTimes:
      return TimeCaption(item.prefix, item.hour, item.minute);
    case DrillMode::kDates: {
      std::string out = item.yearShown ? std::to_string(item.year) + "年" : "";
      out += std::to_string(item.month) + "月" + std::to_string(item.day) + "日";
      if (item.weekday)
        out +=
            "(" + std::string(kWeekdays[DayOfWeek(item.year, item.month, item.day)].written) + ")";
      return out;
    }
    case DrillMode::kPrices:
      return WithThousands(item.amount) + "円";
    case DrillMode::kPhones:
      return JoinedGroups(item.groups);
    case DrillMode::kBigNumbers:
      return InGroupsOfTenThousand(item.amount) + std::string(BigNumberUnit(item.unit));
    case DrillMode::kAnnouncements:
      return std::to_string(item.platform) + " · " + TimeCaption(0, item.hour, item.minute);
    default:
      return {};
  }
}

std::string LessonTypedDigits(DrillMode lesson, const std::string& caption) {
  if (lesson == DrillMode::kDates) {
    const auto year = caption.find("年");
    if (year != std::string::npos) return CaptionDigits(caption.substr(year));
  }
  return CaptionDigits(caption);
}

std::vector<SpeechPiece> LessonPieces(const LessonItem& item) {
  SpeechPiece piece;
  piece.written = LessonCaption(item);
  switch (item.lesson) {
    case DrillMode::kTimes:
      return {TimePiece(item)};
    case DrillMode::kDates:
      if (item.yearShown) piece.tags.push_back({std::to_string(item.year), "ねん"});
      piece.tags.push_back({std::to_string(item.month), "がつ"});
      piece.tags.push_back({std::to_string(item.day), "にち"});
      // The weekday is a phrase of its own after the date.
      if (item.weekday)
        piece.after =
            "/" + std::string(kWeekdays[DayOfWeek(item.year, item.month, item.day)].reading);
      return {piece};
    case DrillMode::kPrices:
      piece.tags.push_back({std::to_string(item.amount), "えん"});
      return {piece};
    case DrillMode::kPhones:
      piece.tags.push_back({piece.written, "", true});
      return {piece};
    case DrillMode::kBigNumbers:
      piece.tags.push_back({std::to_string(item.amount), std::string(BigNumberCounter(item.unit))});
      return {piece};
    case DrillMode::kAnnouncements: {
      SpeechPiece platform;
      platform.written = std::to_string(item.platform) + "番線";
      platform.tags.push_back({std::to_string(item.platform), "ばんせん"});
      LessonItem time = item;
      time.prefix = 0;
      return {platform, TimePiece(time)};
    }
    default:
      return {};
  }
}

}  // namespace ruzdo
