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

namespace {

// Reads a number at the start of text, skipping commas; false when none.
bool TakeNumber(std::string_view& text, long long& value) {
  std::size_t used = 0;
  value = 0;
  while (used < text.size() && ((text[used] >= '0' && text[used] <= '9') || text[used] == ',')) {
    if (text[used] != ',') value = value * 10 + (text[used] - '0');
    ++used;
  }
  if (used == 0 || used > 15) return false;
  text.remove_prefix(used);
  return true;
}

bool Take(std::string_view& text, std::string_view what) {
  if (text.substr(0, what.size()) != what) return false;
  text.remove_prefix(what.size());
  return true;
}

bool TakeTime(std::string_view& text, LessonItem& item) {
  long long hour = 0, minute = 0;
  if (!TakeNumber(text, hour) || !Take(text, ":") || !TakeNumber(text, minute)) return false;
  item.hour = static_cast<int>(hour);
  item.minute = static_cast<int>(minute);
  return true;
}

bool ReadCaption(std::string_view text, LessonItem& item) {
  long long n = 0;
  switch (item.lesson) {
    case DrillMode::kTimes:
      item.prefix = Take(text, "午前") ? 1 : Take(text, "午後") ? 2 : 0;
      return TakeTime(text, item) && text.empty();
    case DrillMode::kDates: {
      if (!TakeNumber(text, n)) return false;
      if (Take(text, "年")) {
        item.year = static_cast<int>(n);
        item.yearShown = true;
        if (!TakeNumber(text, n)) return false;
      }
      item.month = static_cast<int>(n);
      if (!Take(text, "月") || !TakeNumber(text, n) || !Take(text, "日")) return false;
      item.day = static_cast<int>(n);
      item.weekday = !text.empty();
      return true;
    }
    case DrillMode::kPrices:
      return TakeNumber(text, item.amount) && Take(text, "円") && text.empty();
    case DrillMode::kPhones: {
      item.groups.clear();
      for (std::string_view rest = text; !rest.empty();) {
        const auto dash = rest.find('-');
        item.groups.emplace_back(rest.substr(0, dash));
        rest = dash == std::string_view::npos ? std::string_view() : rest.substr(dash + 1);
      }
      return !item.groups.empty();
    }
    case DrillMode::kBigNumbers:
      item.amount = 0;
      while (TakeNumber(text, n)) {
        if (Take(text, "億"))
          item.amount += n * 100000000;
        else if (Take(text, "万"))
          item.amount += n * 10000;
        else
          item.amount += n;
      }
      item.unit = Take(text, "円") ? 1 : Take(text, "人") ? 2 : 0;
      return text.empty();
    case DrillMode::kAnnouncements:
      if (!TakeNumber(text, n) || !Take(text, " · ")) return false;
      item.platform = static_cast<int>(n);
      return TakeTime(text, item) && text.empty();
    default:
      return false;
  }
}

}  // namespace

std::optional<LessonItem> LessonItemOfCaption(DrillMode lesson, const std::string& caption) {
  LessonItem item;
  item.lesson = lesson;
  if (!ReadCaption(caption, item) || LessonCaption(item) != caption) return std::nullopt;
  return item;
}

std::vector<long long> LessonOrderKey(const LessonItem& item) {
  // 午前12時 is midnight and 午後12時 noon.
  const auto minuteOfDay = [&] {
    const int hour = item.prefix == 0 ? item.hour : item.hour % 12 + (item.prefix == 2 ? 12 : 0);
    return hour * 60LL + item.minute;
  };
  switch (item.lesson) {
    case DrillMode::kTimes:
      return {minuteOfDay(), item.prefix};
    case DrillMode::kDates:
      return {item.month, item.day, item.yearShown ? item.year : 0, item.weekday ? 1 : 0};
    case DrillMode::kPrices:
      return {item.amount};
    case DrillMode::kPhones: {
      std::vector<long long> key;
      for (const std::string& group : item.groups)
        for (char digit : group) key.push_back(digit - '0');
      return key;
    }
    case DrillMode::kBigNumbers:
      return {item.amount, item.unit};
    case DrillMode::kAnnouncements:
      return {item.platform, minuteOfDay()};
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
