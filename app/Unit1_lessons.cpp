// The lessons: clock times, dates, prices, phone numbers, big numbers and
// announcements, each a kind of question whose plates are the said item and
// the items a learner confuses it with, drawn anew for every question.
#include <QCheckBox>
#include <QSpinBox>

#include "Unit1.h"
#include "core/lessons/lesson_draw.h"
#include "core/lessons/lesson_question.h"
#include "drill/question_planner.h"
#include "lesson_titles.h"
#include "speech/speech_service.h"
#include "training_options_window.h"
#include "widgets/group_bar_group.h"
#include "widgets/group_bar_item.h"

void TMainForm::buildLessonItems() {
  for (const LessonTitle& lesson : kLessonTitles) {
    GroupBarItem* item = (lesson.hard ? gDifficult : gMid)->addItem(LessonTitleText(lesson.mode));
    const ruzdo::DrillMode mode = lesson.mode;
    item->setObjectName(QStringLiteral("lesson%1").arg(static_cast<int>(mode)));
    connect(item, &QAbstractButton::clicked, this, [this, mode] {
      SwitchMode(mode);
      schedulePrefetch();
    });
  }
}

void TMainForm::SpeakLessonItem(const QString& caption, std::int32_t speed) {
  rememberSaid(planner_->lessonSaid(caption));
  if (lastSaid_.koe.empty()) {
    SynthesisFailed();
    return;
  }
  Speak(lastSaid_.koe, speed, lastSaid_.voice);
}

void TMainForm::fitGridToMode() {
  const bool lesson = ruzdo::IsLesson(Mode);
  if (lesson) {
    const ruzdo::DrillMode mode = Mode;
    RuzdoPole->CaptionSource = [mode](int count) {
      QStringList captions;
      for (const auto& item : ruzdo::LessonPlates(ruzdo::DrawLessonItem(mode), count))
        captions << QString::fromStdString(ruzdo::LessonCaption(item));
      return captions;
    };
    RuzdoPole->TypedDigits = [mode](const std::string& caption) {
      return ruzdo::LessonTypedDigits(mode, caption);
    };
  } else {
    RuzdoPole->CaptionSource = nullptr;
    RuzdoPole->TypedDigits = nullptr;
  }
  RuzdoPole->SetPlateCount(lesson ? ruzdo::LessonPlateCount(sCols->value()) : 0);
}

void TMainForm::forceAfterSpeechForMode() {
  fOptions->forceAfterSpeech(planner_->sentencesOn() || ruzdo::IsLesson(Mode));
}
