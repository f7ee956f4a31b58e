#pragma once

#include <array>
#include <vector>

#include "core/drill_mode.h"
#include "core/lessons/lesson_item.h"
#include "core/recent_answers.h"
#include "core/weak_picker.h"

namespace ruzdo {

// The recent answers of each lesson, oldest first, the latest kWeakLookBack
// of each: what «Чаще ошибочные» weighs a lesson's items by.
class LessonAnswers {
 public:
  void add(DrillMode lesson, PastLessonAnswer answer);
  // Answers given before those added so far (the history's, oldest first).
  void addOlder(DrillMode lesson, const std::vector<PastLessonAnswer>& older);
  const std::vector<PastLessonAnswer>& of(DrillMode lesson) const;
  void clear();

 private:
  static constexpr std::size_t kLessons =
      static_cast<std::size_t>(kLastLesson) - static_cast<std::size_t>(kFirstLesson) + 1;
  std::array<LatestAnswers<PastLessonAnswer>, kLessons> answers_;
};

// The item a lesson's question asks when its weak items come more often:
// one of those recently missed or confused (PickWeakItem, a fresh draw
// standing for `untroubled` items), else a fresh draw of the lesson.
LessonItem DrawWeakLessonItem(DrillMode lesson, const std::vector<PastLessonAnswer>& recent,
                              int untroubled);

}  // namespace ruzdo
