#pragma once

#include <vector>

#include "core/lessons/lesson_item.h"

namespace ruzdo {

// An item of the lesson as life brings it, drawn with the process's random
// source: times on the hour, half past and in fives more often than odd
// minutes; the days with their own forms (ついたち … とおか, 14日, 20日,
// 24日) half the time; prices ending in 98, 80 and 00; phone numbers of
// Tokyo, Osaka, other areas, mobiles and 0120; round amounts of 万 and 億.
LessonItem DrawLessonItem(DrillMode lesson);

// The plates of a question: the said item and items a learner confuses it
// with (ConfusionsOf, then their confusions where those are too few), all
// with different captions and typed digits, count of them (6 … 12) in a
// random order. They share the said item's setting: 午前/午後, the year
// and weekday shown, the unit of a big number.
std::vector<LessonItem> LessonPlates(const LessonItem& said, int count);

inline constexpr int kFewestLessonPlates = 6;
inline constexpr int kMostLessonPlates = 12;

}  // namespace ruzdo
