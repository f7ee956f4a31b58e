#include "core/lessons/lesson_answers.h"

#include "core/lessons/confusions.h"
#include "core/lessons/lesson_draw.h"

namespace ruzdo {
namespace {

void keepLatest(std::vector<PastLessonAnswer>& answers) {
  if (answers.size() > kWeakLookBack)
    answers.erase(answers.begin(), answers.end() - static_cast<std::ptrdiff_t>(kWeakLookBack));
}

}  // namespace

std::vector<PastLessonAnswer>& LessonAnswers::list(DrillMode lesson) {
  return answers_[static_cast<std::size_t>(lesson) - static_cast<std::size_t>(kFirstLesson)];
}

const std::vector<PastLessonAnswer>& LessonAnswers::of(DrillMode lesson) const {
  static const std::vector<PastLessonAnswer> kNone;
  if (!IsLesson(lesson)) return kNone;
  return answers_[static_cast<std::size_t>(lesson) - static_cast<std::size_t>(kFirstLesson)];
}

void LessonAnswers::add(DrillMode lesson, PastLessonAnswer answer) {
  if (!IsLesson(lesson)) return;
  list(lesson).push_back(std::move(answer));
  keepLatest(list(lesson));
}

void LessonAnswers::addOlder(DrillMode lesson, const std::vector<PastLessonAnswer>& older) {
  if (!IsLesson(lesson)) return;
  std::vector<PastLessonAnswer>& answers = list(lesson);
  answers.insert(answers.begin(), older.begin(), older.end());
  keepLatest(answers);
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
