// The drill: the question timer, answer checking, statistics and the error flash.
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include "Unit1.h"
#include "widgets/group_bar_group.h"
#include "widgets/image_button.h"

void TMainForm::ResetStats() {
  QuestionCount = 0;
  ErrorCount = 0;
  LastNumber = -1;
  LastText.clear();
  Answered = false;
}

void TMainForm::ShowStats() {
  lAll->setText(QString::number(QuestionCount));
  lErr->setText(QString::number(ErrorCount));
}

void TMainForm::RegisterError() {
  ++ErrorCount;
  QPalette p = pErr->palette();
  p.setColor(QPalette::Window, QColor(0xFF, 0x00, 0x00));
  pErr->setPalette(p);
  tMarker->start();
  ShowStats();
}

void TMainForm::tMarkerTimer() {
  QPalette p = pErr->palette();
  p.setColor(QPalette::Window, gInfo->palette().color(QPalette::Window));
  pErr->setPalette(p);
  tMarker->stop();
}

void TMainForm::tMainTimer() {
  // A tick that arrives while an earlier one waits in a modal box (a failed
  // synthesis) is dropped: the earlier question is counted first, and the
  // following ticks go on normally.
  if (inQuestionTick_) return;
  inQuestionTick_ = true;
  if (Mode == 0) {
    if (LastNumber != -1 && !Answered) {
      RegisterError();
      questionEnded(true, std::nullopt);
    }
    if (QuestionCount < sMaxQuestion->value()) {
      LastNumber = nextQuestionNumber();
      SpeakNumber(LastNumber, sSpechSpeed->value());
      questionAsked();
      ++QuestionCount;
      Answered = false;
      ShowStats();
    } else {
      bStopClick();
    }
  }
  if (Mode == 1) {
    RuzdoPole->RegenerateCaptions();
    if (!LastText.isEmpty() && !Answered) {
      RegisterError();
      questionEnded(true, std::nullopt);
    }
    if (QuestionCount < sMaxQuestion->value()) {
      RuzdoPole->RandomPlateCaption(LastText);
      SpeakSequence(LastText, sSpechSpeed->value());
      questionAsked();
      ++QuestionCount;
      Answered = false;
      ShowStats();
    } else {
      bStopClick();
    }
  }
  inQuestionTick_ = false;
}

void TMainForm::bStartClick() {
  ApplySettings();
  ResetStats();
  gGenerate->setEnabled(false);
  gRuzdoPoleSetting->setEnabled(false);
  tMain->start();
  gEasy->setEnabled(false);
  bStart->setEnabled(false);
}

void TMainForm::bStopClick() {
  tMain->stop();
  gGenerate->setEnabled(true);
  gRuzdoPoleSetting->setEnabled(true);
  gEasy->setEnabled(true);
  bStart->setEnabled(true);
}

void TMainForm::bPauseClick() {
  if (bStart->isEnabled()) return;
  if (tMain->isActive())
    tMain->stop();
  else
    tMain->start();  // a full interval from now
}

void TMainForm::RuzdoPoleButtonClick(int num, const QString& tel) {
  if (!tMain->isActive()) {
    // No run, or a paused one: the click is for listening.
    if (Mode == 0)
      SpeakNumber(num, sSpechSpeed->value());
    else
      SpeakSequence(tel, sSpechSpeed->value());
    showSaid(lastSaid_, false, false, std::nullopt);
    return;
  }
  if (Answered) return;
  Answered = true;
  const bool wrong = Mode == 0 ? num != LastNumber : tel != LastText;
  if (wrong) {
    Beep();
    RegisterError();
  }
  questionEnded(wrong, Mode == 0 ? QString::number(num) : tel);
}
