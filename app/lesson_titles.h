#pragma once

#include <QString>
#include <QtGlobal>

#include "core/drill_mode.h"

// A lesson as the group bar and the history window name it.
struct LessonTitle {
  ruzdo::DrillMode mode;
  bool hard;  // in «Сложные», else in «Средние»
  const char* title;
};

// In the order the group bar lists them.
inline constexpr LessonTitle kLessonTitles[] = {
    {ruzdo::DrillMode::kTimes, false, QT_TRANSLATE_NOOP("Lessons", "Время")},
    {ruzdo::DrillMode::kDates, false, QT_TRANSLATE_NOOP("Lessons", "Даты")},
    {ruzdo::DrillMode::kPrices, false, QT_TRANSLATE_NOOP("Lessons", "Цены")},
    {ruzdo::DrillMode::kPhones, false, QT_TRANSLATE_NOOP("Lessons", "Телефоны")},
    {ruzdo::DrillMode::kBigNumbers, true, QT_TRANSLATE_NOOP("Lessons", "Большие числа")},
    {ruzdo::DrillMode::kAnnouncements, true, QT_TRANSLATE_NOOP("Lessons", "Объявления")},
};

// The lesson's title in the language of the interface.
QString LessonTitleText(ruzdo::DrillMode mode);
