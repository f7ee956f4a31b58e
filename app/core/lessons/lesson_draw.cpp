#include "core/lessons/lesson_draw.h"

#include <algorithm>
#include <array>
#include <set>

#include "core/lessons/confusions.h"
#include "core/random_source.h"

namespace ruzdo {
namespace {

// A value of low … high.
int Between(int low, int high) { return low + RandomBelow(high - low + 1); }

template <typename T, std::size_t N>
T OneOf(const std::array<T, N>& values) {
  return values[static_cast<std::size_t>(RandomBelow(static_cast<int>(N)))];
}

template <typename T>
void Shuffle(std::vector<T>& items) {
  for (int i = static_cast<int>(items.size()) - 1; i > 0; --i)
    std::swap(items[static_cast<std::size_t>(i)],
              items[static_cast<std::size_t>(RandomBelow(i + 1))]);
}

int DrawMinute() {
  const int kind = RandomBelow(20);
  if (kind < 3) return 0;
  if (kind < 7) return 30;
  if (kind < 17) return 5 * RandomBelow(12);
  return RandomBelow(60);
}

void DrawTime(LessonItem& item) {
  const int style = RandomBelow(10);
  // A timetable's 24-hour clock, a bare hour of the 12-hour clock, or 午前/午後.
  item.prefix = style < 7 ? 0 : Between(1, 2);
  item.hour = style < 4 ? RandomBelow(24) : Between(1, 12);
  item.minute = DrawMinute();
  item.half = item.minute == 30 && RandomBelow(2) == 0;
}

void DrawDate(LessonItem& item) {
  // The days with forms of their own, and the months 4, 7 and 9, come often.
  static constexpr std::array kOwnDays{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 20, 24};
  static constexpr std::array kOwnMonths{4, 7, 9};
  item.yearShown = RandomBelow(5) == 0;
  item.year = item.yearShown ? Between(2024, 2028) : kCalendarYear;
  item.weekday = RandomBelow(4) == 0;
  do {
    item.month = RandomBelow(3) == 0 ? OneOf(kOwnMonths) : Between(1, 12);
    item.day = RandomBelow(2) == 0 ? OneOf(kOwnDays) : Between(1, 31);
  } while (!ValidLessonItem(item));
}

// The shapes of shop prices: the unit, its multiples and the endings after it.
struct PriceShape {
  long long unit;
  int low, high;
  std::array<long long, 4> endings;
};
constexpr std::array kPriceShapes{
    PriceShape{0, 0, 0, {98, 50, 80, 10}},          // 98円
    PriceShape{100, 1, 9, {0, 50, 80, 98}},         // 580円
    PriceShape{1000, 1, 9, {0, 500, 800, 980}},     // 1,980円
    PriceShape{1000, 10, 99, {0, 800, 500, 0}},     // 12,800円
    PriceShape{10000, 10, 99, {0, 8000, 5000, 0}},  // 128,000円
};

void DrawPrice(LessonItem& item) {
  const PriceShape& shape = OneOf(kPriceShapes);
  item.amount = shape.unit * Between(shape.low, shape.high) + OneOf(shape.endings);
}

// The shapes of phone numbers: the first group (a "_" is any digit but 0)
// and the lengths of the two groups after it.
struct PhoneShape {
  std::string_view first;
  int second, third;
};
constexpr std::array kPhoneShapes{
    PhoneShape{"03", 4, 4},   PhoneShape{"06", 4, 4},  PhoneShape{"0__", 3, 4},
    PhoneShape{"090", 4, 4},  PhoneShape{"080", 4, 4}, PhoneShape{"070", 4, 4},
    PhoneShape{"0120", 3, 3},
};

// A group of digits; a subscriber's number does not begin with 0.
std::string Digits(int length) {
  std::string out;
  for (int i = 0; i < length; ++i)
    out += static_cast<char>('0' + (i == 0 ? Between(1, 9) : RandomBelow(10)));
  return out;
}

void DrawPhone(LessonItem& item) {
  const PhoneShape& shape = OneOf(kPhoneShapes);
  std::string first(shape.first);
  for (char& c : first)
    if (c == '_') c = static_cast<char>('0' + Between(1, 9));
  item.groups = {first, Digits(shape.second), Digits(shape.third)};
}

void DrawBigNumber(LessonItem& item) {
  constexpr long long kMan = 10000, kOku = 100000000;
  switch (RandomBelow(6)) {
    case 0:  // 3万
      item.amount = Between(1, 9) * kMan;
      break;
    case 1:  // 35万
      item.amount = Between(10, 99) * kMan;
      break;
    case 2:  // 350万, 100万
      item.amount = Between(10, 99) * 10 * kMan;
      break;
    case 3:  // 3500万, 1000万
      item.amount = Between(10, 99) * 100 * kMan;
      break;
    case 4:  // 1億2000万
      item.amount = Between(1, 9) * kOku + RandomBelow(10) * 1000 * kMan;
      break;
    default:  // 1億2600万
      item.amount = Between(1, 9) * kOku + Between(10, 99) * 100 * kMan;
  }
  // Amounts, prices of flats and cars, populations.
  item.unit = std::array{0, 0, 1, 1, 2}[static_cast<std::size_t>(RandomBelow(5))];
}

void DrawAnnouncement(LessonItem& item) {
  item.platform = Between(1, 14);
  item.hour = Between(5, 23);
  item.minute = RandomBelow(60);
}

// An item of the said one's lesson and setting, to fill a question up.
LessonItem DrawLike(const LessonItem& said) {
  LessonItem item = DrawLessonItem(said.lesson);
  item.prefix = said.prefix;
  if (said.prefix != 0) item.hour = Between(1, 12);
  item.year = said.year;
  item.yearShown = said.yearShown;
  item.weekday = said.weekday;
  item.unit = said.unit;
  return item;
}

}  // namespace

LessonItem DrawLessonItem(DrillMode lesson) {
  LessonItem item;
  item.lesson = lesson;
  switch (lesson) {
    case DrillMode::kTimes:
      DrawTime(item);
      break;
    case DrillMode::kDates:
      DrawDate(item);
      break;
    case DrillMode::kPrices:
      DrawPrice(item);
      break;
    case DrillMode::kPhones:
      DrawPhone(item);
      break;
    case DrillMode::kBigNumbers:
      DrawBigNumber(item);
      break;
    default:
      DrawAnnouncement(item);
  }
  return item;
}

std::vector<LessonItem> LessonPlates(const LessonItem& said, int count) {
  count = std::clamp(count, kFewestLessonPlates, kMostLessonPlates);
  std::vector<LessonItem> plates{said};
  std::set<std::string> captions{LessonCaption(said)};
  std::set<std::string> digits{LessonTypedDigits(said.lesson, *captions.begin())};
  // Two plates never read or type alike.
  auto take = [&](const LessonItem& item) {
    const std::string caption = LessonCaption(item);
    const std::string typed = LessonTypedDigits(item.lesson, caption);
    if (static_cast<int>(plates.size()) >= count || !ValidLessonItem(item) ||
        captions.count(caption) || digits.count(typed))
      return false;
    captions.insert(caption);
    digits.insert(typed);
    plates.push_back(item);
    return true;
  };
  // The said item's confusions first, then theirs.
  std::vector<LessonItem> level{said};
  while (static_cast<int>(plates.size()) < count && !level.empty()) {
    std::vector<LessonItem> heard;
    for (const LessonItem& item : level)
      for (LessonConfusion& c : ConfusionsOf(item)) heard.push_back(std::move(c.item));
    Shuffle(heard);
    level.clear();
    for (const LessonItem& item : heard)
      if (take(item)) level.push_back(item);
  }
  for (int tries = 0; static_cast<int>(plates.size()) < count && tries < 1000; ++tries)
    take(DrawLike(said));
  Shuffle(plates);
  return plates;
}

}  // namespace ruzdo
