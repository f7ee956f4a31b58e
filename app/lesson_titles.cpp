#include "lesson_titles.h"

#include <QCoreApplication>

QString LessonTitleText(ruzdo::DrillMode mode) {
  for (const LessonTitle& lesson : kLessonTitles)
    if (lesson.mode == mode) return QCoreApplication::translate("Lessons", lesson.title);
  return {};
}
