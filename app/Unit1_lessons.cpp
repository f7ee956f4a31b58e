// The lessons: clock times, dates, prices, phone numbers, big numbers and
// announcements, each a kind of question whose plates are the said item and
// the items a learner confuses it with, drawn anew for every question.
#include <QCheckBox>
#include <QSpinBox>

#include "Unit1.h"
#include "core/lessons/lesson_draw.h"
#include "core/lessons/lesson_question.h"
#include "drill/answer_log.h"
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

std::function<int(const std::string&)> TMainForm::variantCounter() const {
  // Through the speech service's engine: the one a test gives, if any.
  return [this](const std::string& tag) { return ruzdo::TagVariantCount(speech_->engine(), tag); };
}

ruzdo::Question TMainForm::lessonQuestion() {
  // The question's draws in a fixed order: its item, its plates, its voice,
  // its readings and sentence.
  const ruzdo::DrillMode lesson = Mode;
  // With «Чаще ошибочные» the lesson's recently missed and confused items
  // come more often, a fresh draw standing for a grid's worth of untroubled
  // ones. Drawn ahead, a question weighs the answers up to the one before it.
  ruzdo::LessonItem said =
      sWeakFirst->isChecked()
          ? ruzdo::DrawWeakLessonItem(lesson, answers_->lessons().of(lesson), RuzdoPole->PlateCount())
          : ruzdo::DrawLessonItem(lesson);
  const auto plates = ruzdo::LessonPlates(said, RuzdoPole->PlateCount());
  ruzdo::Question q = ruzdo::LessonQuestionOf(said, plates);
  const ruzdo::LessonSpeechOptions options{sentencesOn(), sVariants->isChecked(), questionVoice()};
  q.said = ruzdo::LessonSaid(said, carriers(), options, variantCounter());
  return q;
}

TMainForm::Said TMainForm::lessonSaid(const QString& caption) {
  const auto item = ruzdo::LessonItemOfCaption(Mode, caption.toStdString());
  if (!item) {
    Said none;
    none.written = caption.toStdString();
    return none;
  }
  // A listening click: the usual reading, alone (an announcement in its
  // sentence), in the listening voice.
  return ruzdo::LessonSaid(*item, carriers(), {false, false, listeningVoice()}, variantCounter());
}

void TMainForm::SpeakLessonItem(const QString& caption, std::int32_t speed) {
  rememberSaid(lessonSaid(caption));
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
  fOptions->forceAfterSpeech(sentencesOn() || ruzdo::IsLesson(Mode));
}
