// The drill: the question timer, answer checking, statistics and the error flash.
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>

#include "Unit1.h"
#include "core/random_source.h"
#include "platform/message_box.h"
#include "widgets/group_bar_group.h"
#include "widgets/image_button.h"
#include "widgets/plate_button.h"

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
  // Screen readers read the name: it carries the number as well as its caption.
  lAll->setAccessibleName(QStringLiteral("Текущий вопрос: %1").arg(QuestionCount));
  lErr->setAccessibleName(QStringLiteral("Количество ошибок: %1").arg(ErrorCount));
}

void TMainForm::RegisterError() {
  ++ErrorCount;
  ShowStats();
  // A further error while the panel is red leaves the flash as it is.
  if (tMarker->isActive()) return;
  QPalette p = pErr->palette();
  p.setColor(QPalette::Window, QColor(0xFF, 0x00, 0x00));
  pErr->setPalette(p);
  pErr->setAutoFillBackground(true);
  tMarker->start();
}

void TMainForm::tMarkerTimer() {
  QPalette p = pErr->palette();
  p.setColor(QPalette::Window, gInfo->palette().color(QPalette::Window));
  pErr->setPalette(p);
  // Unfilled, the panel shows the group box's own face, shade for shade.
  pErr->setAutoFillBackground(false);
  tMarker->stop();
}

void TMainForm::tMainTimer() {
  // A tick that arrives while an earlier one waits in a modal box (a failed
  // synthesis) is dropped: the earlier question is counted first, and the
  // following ticks go on normally.
  if (inQuestionTick_ || holdTickForSound()) return;
  inQuestionTick_ = true;
  if (Mode == 0) {
    if (LastNumber != -1 && !Answered) {
      RegisterError();
      questionEnded(true, std::nullopt);
    }
    if (QuestionCount < sMaxQuestion->value()) {
      if (madeAhead()) {
        askQuestion(takePlanned());
      } else {
        LastNumber = nextQuestionNumber();
        beforeQuestion();
        SpeakNumber(LastNumber, sSpechSpeed->value());
      }
      questionAsked();
      ++QuestionCount;
      Answered = false;
      ShowStats();
      planNext();
    } else {
      bStopClick();
    }
  }
  if (Mode == 1) {
    // Made ahead, a question brings its plates' captions with it; the tick
    // that ends the run still gives the plates fresh ones.
    if (QuestionCount >= sMaxQuestion->value()) RuzdoPole->RegenerateCaptions();
    if (!LastText.isEmpty() && !Answered) {
      RegisterError();
      questionEnded(true, std::nullopt);
    }
    if (QuestionCount < sMaxQuestion->value()) {
      askQuestion(takePlanned());
      questionAsked();
      ++QuestionCount;
      Answered = false;
      ShowStats();
      planNext();
    } else {
      bStopClick();
    }
  }
  inQuestionTick_ = false;
}

void TMainForm::bStartClick() {
  const QPointer<QWidget> focused = focusWidget();
  if (!ApplySettings()) return;
  // A plate without a caption could never be told from another: no run.
  const auto& plates = RuzdoPole->Plates();
  if (plates.empty() || std::any_of(plates.begin(), plates.end(),
                                    [](const PlateButton* p) { return p->text().isEmpty(); }))
    return;
  ResetStats();
  planned_.reset();
  runJudged_ = 0;
  runMisses_.clear();
  questionOpen_ = false;
  markRightPlate(false);
  showRunState(QString());
  gGenerate->setEnabled(false);
  gRuzdoPoleSetting->setEnabled(false);
  tMain->start(sTimerInterval->value());
  gEasy->setEnabled(false);
  bStart->setEnabled(false);
  bPause->setEnabled(true);
  focusPlatesIfLost(focused);
  // The first question too is made during the first interval.
  planNext();
}

void TMainForm::bStopClick() {
  const bool running = !bStart->isEnabled();
  tMain->stop();
  planned_.reset();
  tMain->setInterval(sTimerInterval->value());
  awaitingQuestionSound_ = false;
  tickHeld_ = false;
  gGenerate->setEnabled(true);
  gRuzdoPoleSetting->setEnabled(true);
  gEasy->setEnabled(true);
  bStart->setEnabled(true);
  bPause->setEnabled(false);
  if (!running) return;
  // A question still open is named, not judged.
  if (questionOpen_) showSaid(question_, false, false, std::nullopt);
  questionOpen_ = false;
  showRunState(runSummary());
}

void TMainForm::bPauseClick() {
  if (bStart->isEnabled()) return;
  if (tMain->isActive()) {
    tMain->stop();
    showRunState(QStringLiteral("Пауза"));
  } else {
    tMain->start(sTimerInterval->value());  // a full interval from now
    showRunState(QString());
  }
}

void TMainForm::SynthesisFailed() {
  // The run stops before the box opens: no question comes while it is open,
  // and no further box after it.
  if (!bStart->isEnabled()) bStopClick();
  ruzdo::ShowMessage(this, QStringLiteral("Err"));
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
