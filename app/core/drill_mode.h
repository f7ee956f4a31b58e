#pragma once

#include <cstdint>
#include <iterator>
#include <string_view>

namespace ruzdo {

// What the plates show and the questions ask. The ordinals are kept in the
// settings and the history of answers: never renumber them.
enum class DrillMode : std::uint8_t {
  kNumbers = 0,    // a plate per number of the range; a number is said
  kSequences = 1,  // plates of digit sequences made from a template; one is said
  // The lessons: plates of the said item and of items a learner confuses it
  // with, drawn anew for every question.
  kTimes = 2,          // clock times: 10:15, 午後3:30
  kDates = 3,          // month and day: 3月14日
  kPrices = 4,         // yen: 1,980円
  kPhones = 5,         // phone numbers: 03-1234-5678
  kBigNumbers = 6,     // 万 and 億: 1億2000万
  kAnnouncements = 7,  // a platform and a departure time: 3 · 10:15
};

inline constexpr DrillMode kFirstLesson = DrillMode::kTimes;
inline constexpr DrillMode kLastLesson = DrillMode::kAnnouncements;

// Whether the mode is one of the lessons.
constexpr bool IsLesson(DrillMode mode) { return mode >= kFirstLesson && mode <= kLastLesson; }

// The mode as the exported history names it (numbers, sequences, times …);
// "" for an ordinal that is no mode.
constexpr std::string_view DrillModeName(int mode) {
  constexpr std::string_view kNames[] = {"numbers", "sequences", "times",       "dates",
                                         "prices",  "phones",    "big_numbers", "announcements"};
  return mode >= 0 && mode < static_cast<int>(std::size(kNames)) ? kNames[mode] : "";
}

}  // namespace ruzdo
