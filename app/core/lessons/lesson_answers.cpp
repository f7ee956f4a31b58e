#include "core/lessons/lesson_answers.h"

#include "core/lessons/confusions.h"
#include "core/lessons/lesson_draw.h"

namespace ruzdo {
namespace {

std::size_t indexOf(DrillMode lesson) {
  return static_cast<std::size_t>(lesson) - static_cast<std::size_t>(kFirstLesson);
}

}  // namespace

const std::vector<PastLessonAnswer>& LessonAnswers::of(DrillMode lesson) const {
  static const std::vector<PastLessonAnswer> kNone;
  return IsLesson(lesson) ? answers_[indexOf(lesson)].all() : kNone;
}

void LessonAnswers::add(DrillMode lesson, PastLessonAnswer answer) {
  if (IsLesson(lesson)) answers_[indexOf(lesson)].add(std::move(answer));
}

void LessonAnswers::addOlder(DrillMode lesson, const std::vector<PastLessonAnswer>& older) {
  if (IsLesson(lesson)) answers_[indexOf(lesson)].addEarlier(older);
}

void LessonAnswers::clear() {
  for (auto& answers : answers_) answers.clear();
}

LessonItem DrawWeakLessonItem(DrillMode lesson, const std::vector<PastLessonAnswer>& recent,
                              int untroubled) {
  const std::string weak = PickWeakItem(recent, untroubled);
  if (!weak.empty())
    if (auto item = LessonItemOfCaption(lesson, weak); item && ValidLessonItem(*item)) return *item;
  return DrawLessonItem(lesson);
}

}  // namespace ruzdo
