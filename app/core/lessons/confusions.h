#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/lessons/lesson_item.h"

namespace ruzdo {

// The part of an item a confusion changes.
enum class ConfusedPart : std::uint8_t {
  kHour,         // times and announcements
  kMinute,       // times and announcements
  kMonth,        // dates
  kDay,          // dates
  kYen,          // prices
  kPhoneDigit,   // a digit of a phone number after its first group
  kPhonePrefix,  // a phone number's first group
  kAmount,       // big numbers
  kPlatform,     // announcements
};

// How a part is misheard.
enum class Change : std::uint8_t {
  kSwap,      // a heard as b, b as a
  kPlusTen,   // v ↔ v + 10 below 20: じゅう missed or heard
  kTenOrder,  // 10 + u ↔ 10 × u: the same words the other way round
  kTensWord,  // 10t + u ↔ 10 + u: the tens' multiplier missed
  kDigit,     // the digit a ↔ b at place (1, 10, 100 …; phone digits anywhere)
  kTimesTen,  // v ↔ 10v: the power word (ひゃく, せん, まん) misheard
};

struct ConfusionRule {
  ConfusedPart part;
  Change change;
  long long a = 0;  // kSwap and kDigit: the values confused
  long long b = 0;
  long long place = 0;      // kDigit: 1, 10, 100 …; 0 for phone digits
  std::string_view reason;  // what is heard alike
};

// The table of what learners (and natives on a loudspeaker) mishear.
std::span<const ConfusionRule> ConfusionRules();

// An item a learner may hear for another, and why.
struct LessonConfusion {
  LessonItem item;
  std::string_view reason;
};

// The items that differ from item by one confusable part, each valid in its
// lesson (a date that exists, a time of the clock), in the table's order.
std::vector<LessonConfusion> ConfusionsOf(const LessonItem& item);

// Whether the item is one its lesson can show: 0:00-23:59 (1-12 after
// 午前/午後), an existing date, a price of 10-1,000,000 yen, a big number of
// whole 万 from 1万, a platform 1-20.
bool ValidLessonItem(const LessonItem& item);

}  // namespace ruzdo
