#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/drill_mode.h"

namespace ruzdo {

// The year of a date said without one (its weekday is this year's).
inline constexpr int kCalendarYear = 2026;

// One thing a lesson asks about: a clock time, a date, a price, a phone
// number, a big amount or a platform with its departure time. Only the
// fields of its lesson mean anything.
struct LessonItem {
  DrillMode lesson = DrillMode::kTimes;
  // Times and announcements.
  int prefix = 0;     // 0 none, 1 午前, 2 午後 (then the hour is 1 … 12)
  int hour = 0;       // 0 … 23
  int minute = 0;     // 0 … 59
  bool half = false;  // minute 30 said as 時半
  // Dates.
  int year = kCalendarYear;  // the calendar's year: its weekdays
  bool yearShown = false;    // the year written and said before the date
  int month = 1;
  int day = 1;
  bool weekday = false;  // the day of the week written and said after the date
  // Prices and big numbers.
  long long amount = 0;  // yen, or the amount itself
  int unit = 0;          // big numbers: 0 bare, 1 円, 2 人
  // Phone numbers: the groups between the hyphens, as written ("090").
  std::vector<std::string> groups;
  // Announcements.
  int platform = 1;

  bool operator==(const LessonItem&) const = default;
};

// A tag of the engine's speech text for one number of an item.
struct SpeechTag {
  std::string value;    // 10, 090-1234-5678
  std::string counter;  // じ, ふん, えん; ignored for a digit sequence
  bool digits = false;  // <NUM …>, said digit by digit, rather than <NUMK …>
  int variant = 1;      // the reading asked for; 1 the usual one

  // <NUMK VAL=10 COUNTER=じ>, <NUM VAL=090-1234-5678 VARIANT=2> (UTF-8).
  std::string text() const;
};

// One number of an item as a sentence holds it: what a learner reads and
// the speech text around its tags.
struct SpeechPiece {
  std::string written;  // 10:15, 3番線
  std::string before;   // ご'ご/
  std::vector<SpeechTag> tags;
  std::string after;  // /どよ'ーび

  std::string phonetic() const;
};

// The plate's caption, the one written form of the item everywhere it is
// shown: 10:15, 午後3:30, 3月14日, 2026年3月14日(土), 1,980円,
// 03-1234-5678, 1億2000万, 35万円, 3 · 10:15.
std::string LessonCaption(const LessonItem& item);

// The item a caption of the lesson shows (a half hour as 30分); nothing for
// a caption that is none of the lesson's.
std::optional<LessonItem> LessonItemOfCaption(DrillMode lesson, const std::string& caption);

// Where an item stands among its lesson's in a list: times by the time of
// day (午後3:30 beside 15:30), dates by the calendar, amounts by size, phone
// numbers by their digits, announcements by platform, then time. Compared as
// tuples.
std::vector<long long> LessonOrderKey(const LessonItem& item);

// The digits a learner types for a plate of the lesson: its caption's
// digits, a date's without its year (314 for 3月14日).
std::string LessonTypedDigits(DrillMode lesson, const std::string& caption);

// The numbers of the item as a sentence's slots hold them: one piece, two
// for an announcement (the platform, then the departure time).
std::vector<SpeechPiece> LessonPieces(const LessonItem& item);

// 1,980 (thousands separated by commas).
std::string WithThousands(long long value);
// 1億2000万, 35万, 3500; the amount in groups of four digits.
std::string InGroupsOfTenThousand(long long value);

}  // namespace ruzdo
