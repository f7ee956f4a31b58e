// The drill on the window: the run's buttons, the tick (the last question
// judged, the planned one asked, the next planned), the question asked, the
// clicks judged, the
// counts shown and the error flash. The run itself is core/drill_run.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>

#include "Unit1.h"
#include "core/random_source.h"
#include "drill/answer_log.h"
#include "drill/question_planner.h"
#include "drill/said_line.h"
#include "platform/message_box.h"
#include "training_options_window.h"
#include "widgets/group_bar_group.h"
#include "widgets/image_button.h"
#include "widgets/plate_button.h"

using ruzdo::DrillMode;

void TMainForm::ResetStats() { drill_.reset(); }

QString TMainForm::LastText() const {
  const ruzdo::Question& q = drill_.current();
  return q.mode == DrillMode::kNumbers ? QString() : QString::fromStdString(q.answer);
}

void TMainForm::ShowStats() { gInfo->showCounts(QuestionCount, ErrorCount); }

void TMainForm::RegisterError() {
  drill_.countError();
  showError();
}

void TMainForm::showError() {
  ShowStats();
  gInfo->flashError();
}

void TMainForm::tMarkerTimer() { gInfo->endErrorFlash(); }

void TMainForm::tMainTimer() {
  // A tick that arrives while an earlier one waits in a modal box (a failed
  // synthesis) is dropped: the earlier question is counted first, and the
  // following ticks go on normally.
  if (inQuestionTick_ || pacer_.holdTick(fOptions->afterSpeechInForce())) return;
  inQuestionTick_ = true;
  // Made ahead, a question of captions brings them with it; the tick that
  // ends the run still gives the plates fresh ones.
  if (Mode != DrillMode::kNumbers && !drill_.questionsLeft()) RuzdoPole->RegenerateCaptions();
  // One path: the last question judged, the planned one asked, the next planned.
  if (drill_.judgeUnanswered()) {
    showError();
    questionEnded(true, std::nullopt);
  }
  if (drill_.questionsLeft()) {
    askQuestion(planner_->takePlanned(drill_));
    planner_->planNext(drill_);
  } else {
    bStopClick();
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
  drill_.start(sMaxQuestion->value());
  markRightPlate(false);
  gInfo->showRunState(QString());
  tMain->start(sTimerInterval->value());
  enableRunControls(false);
  RuzdoPole->TakeFocusIfLost(focused);
  // The first question too is made during the first interval.
  planner_->planNext(drill_);
}

void TMainForm::bStopClick() {
  const bool open = drill_.open();
  const bool running = drill_.stop();
  tMain->stop();
  tMain->setInterval(sTimerInterval->value());
  pacer_.stop();
  enableRunControls(true);
  if (!running) return;
  // A question still open is named, not judged.
  if (open) showSaid(drill_.current().said, false, false, std::nullopt);
  gInfo->showRunState(ruzdo::RunSummary(drill_));
}

void TMainForm::enableRunControls(bool idle) {
  // During a run, what would change its questions is locked.
  for (QWidget* w : std::initializer_list<QWidget*>{gGenerate, gRuzdoPoleSetting, gEasy, gMid,
                                                    gDifficult, bStart})
    w->setEnabled(idle);
  bPause->setEnabled(!idle);
}

void TMainForm::bPauseClick() {
  if (!drill_.togglePause()) return;
  if (!drill_.running()) {
    tMain->stop();
    gInfo->showRunState(tr("Пауза"));
  } else {
    tMain->start(sTimerInterval->value());  // a full interval from now
    gInfo->showRunState(QString());
  }
}

void TMainForm::SynthesisFailed() {
  // The run stops before the box opens: no question comes while it is open,
  // and no further box after it.
  if (drill_.exists()) bStopClick();
  ruzdo::ShowMessage(this, QStringLiteral("Err"));
}

void TMainForm::RuzdoPoleButtonClick(int num, const QString& tel) {
  if (!drill_.running()) {
    // No run, or a paused one: the click is for listening.
    if (Mode == DrillMode::kNumbers)
      SpeakNumber(num, sSpechSpeed->value());
    else if (Mode == DrillMode::kSequences)
      SpeakSequence(tel, sSpechSpeed->value());
    else
      SpeakLessonItem(tel, sSpechSpeed->value());
    showSaid(lastSaid_, false, false, std::nullopt);
    return;
  }
  const auto verdict = drill_.answer({num, tel.toStdString()});
  if (verdict == ruzdo::DrillRun::Verdict::kIgnored) return;
  const bool wrong = verdict == ruzdo::DrillRun::Verdict::kWrong;
  if (wrong) {
    Beep();
    showError();
  }
  questionEnded(wrong, Mode == DrillMode::kNumbers ? QString::number(num) : tel);
}

bool TMainForm::nextQuestionReady() const { return planner_->nextReady(drill_); }

void TMainForm::askQuestion(ruzdo::Question q) {
  // A question of captions brings them: the plates show them from now on.
  if (!q.captions.empty()) {
    QStringList captions;
    for (const std::string& c : q.captions) captions << QString::fromStdString(c);
    RuzdoPole->SetCaptions(captions);
  }
  beforeQuestion();
  rememberSaid(q.said);
  const int speed = sSpechSpeed->value();
  if (lastSaid_.koe.empty())
    SynthesisFailed();
  else
    Speak(lastSaid_.koe, speed, lastSaid_.voice);
  // Digits typed before the question were meant for the one before.
  RuzdoPole->ClearTyped();
  q.said = lastSaid_;
  answers_->asked(speed, QuestionCount == 0);
  drill_.ask(std::move(q));
  ShowStats();
}
