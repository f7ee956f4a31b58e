// Feedback around the drill: the tick paced by the question's sound, the
// right plate marked after a miss, the run's state.
#include <QCheckBox>
#include <QLabel>
#include <QSlider>

#include "Unit1.h"
#include "drill/answer_log.h"
#include "drill/right_plate_mark.h"
#include "training_options_window.h"
#include "widgets/image_button.h"
#include "widgets/plate_button.h"

void TMainForm::buildFeedback() { mark_ = new ruzdo::RightPlateMark(this); }

void TMainForm::beforeQuestion() {
  mark_->questionAsked();
  pacer_.asked(sTimerInterval->value(), fOptions->afterSpeechInForce());
}

void TMainForm::questionSoundPlayed(const ruzdo::WaveRef& wave) {
  if (!pacer_.takeQuestionSound()) return;
  // A sound still being made at its tick (a busy machine) is asked, and its
  // answer timed, from when it starts to be heard.
  if (drill_.open()) answers_->heard(QuestionCount == 1);
  pacer_.soundStarted(wave, sTimerInterval->value(), fOptions->afterSpeechInForce());
}

void TMainForm::markRightPlate(bool on) {
  mark_->clear();
  if (!on || !fOptions->showAnswer->isChecked()) return;
  // The plate that answers the question, as long as it still shows it.
  for (PlateButton* plate : RuzdoPole->Plates())
    if (drill_.current().answeredBy(
            {plate->property("Tag").toInt(), plate->text().toStdString()})) {
      mark_->mark(plate, inQuestionTick_);
      RuzdoPole->ScrollToPlate(plate);  // one below the grid comes into view
      return;
    }
}
