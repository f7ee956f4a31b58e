// Feedback around the drill: the interval counted from the end of the speech,
// the right plate marked after a miss, the run's state and its summary.
#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <algorithm>

#include "Unit1.h"
#include "core/pcm_wave.h"
#include "core/question_timing.h"
#include "core/value_text.h"
#include "training_options_window.h"
#include "widgets/image_button.h"
#include "widgets/plate_button.h"

namespace {

// With the interval after the speech, the next question waits at most this
// long for the sound of the one asked (a synthesis still under way).
constexpr int kLongestSpeechWaitMs = 30000;
// The right plate of a question left unanswered stays marked this long into
// the next one.
constexpr int kMissMarkMs = 1200;

int soundLengthMs(const ruzdo::WaveRef& wave) {
  if (!wave) return 0;
  const auto pcm = ruzdo::ReadPcmWave(wave->data(), wave->size());
  if (!pcm || pcm->rateHz <= 0) return 0;
  return static_cast<int>(static_cast<long long>(pcm->samples.size()) * 1000 / pcm->rateHz);
}

}  // namespace

void TMainForm::buildFeedback() {
  markClear_ = new QTimer(this);
  markClear_->setSingleShot(true);
  markClear_->setInterval(kMissMarkMs);
  connect(markClear_, &QTimer::timeout, this, [this] { markRightPlate(false); });
}

void TMainForm::beforeQuestion() {
  // A mark made by this very tick (the question before went unanswered)
  // stays a moment; any other goes with the new question.
  if (markedInTick_)
    markClear_->start();
  else
    markRightPlate(false);
  markedInTick_ = false;
  awaitingQuestionSound_ = true;
  tickHeld_ = false;
  askedClock_.start();
  if (fOptions->afterSpeechInForce())
    tMain->start(kLongestSpeechWaitMs);  // until its sound is known
  else if (tMain->interval() != sTimerInterval->value())
    tMain->start(sTimerInterval->value());
}

void TMainForm::questionSoundPlayed(const ruzdo::WaveRef& wave) {
  if (!awaitingQuestionSound_) return;
  awaitingQuestionSound_ = false;
  // A sound still being made at its tick (a busy machine) is asked, and its
  // answer timed, from when it starts to be heard.
  if (drill_.open()) {
    questionAt_ = QDateTime::currentDateTimeUtc();
    if (QuestionCount == 1) runStartedAt_ = questionAt_;
  }
  // Not while paused: going on gives a full interval anyway.
  if (!tMain->isActive()) return;
  const int due =
      tickHeld_ ? -1 : sTimerInterval->value() - static_cast<int>(askedClock_.elapsed());
  if (const auto wait = ruzdo::NextQuestionInMs(sTimerInterval->value(), due, soundLengthMs(wave),
                                                fOptions->afterSpeechInForce()))
    tMain->start(*wait);
}

bool TMainForm::holdTickForSound() {
  // A question whose sound has not started yet (still being made) would be
  // cut off unheard: the tick waits for it, once; with the interval after
  // the speech it waits already.
  if (!awaitingQuestionSound_ || tickHeld_ || fOptions->afterSpeechInForce()) return false;
  tickHeld_ = true;
  tMain->start(kLongestSpeechWaitMs);
  return true;
}

void TMainForm::markRightPlate(bool on) {
  markClear_->stop();
  if (marked_) {
    marked_->setPalette(QPalette());
    marked_->setAccessibleDescription(QString());
    marked_ = nullptr;
  }
  if (!on || !fOptions->showAnswer->isChecked()) return;
  // The plate that answers the question, as long as it still shows it.
  for (PlateButton* plate : RuzdoPole->Plates())
    if (drill_.current().answeredBy(
            {plate->property("Tag").toInt(), plate->text().toStdString()})) {
      QPalette p = plate->palette();
      p.setColor(QPalette::Button, QColor(0x7C, 0xD6, 0x7C));
      plate->setPalette(p);
      plate->setAccessibleDescription(tr("Верный ответ"));
      RuzdoPole->ScrollToPlate(plate);  // one below the grid comes into view
      marked_ = plate;
      markedInTick_ = inQuestionTick_;
      return;
    }
}

QString TMainForm::runSummary() const {
  // The most missed first; equal ones in the order they were first missed.
  int wrong = 0;
  QStringList parts;
  for (const auto& [value, count] : drill_.misses()) {
    wrong += count;
    parts << QStringLiteral("%1 ×%2").arg(QString::fromStdString(value)).arg(count);
  }
  const int judged = drill_.judged();
  QString text = tr("Итог: %1 из %2").arg(judged - wrong).arg(judged);
  text += parts.isEmpty() ? tr("; без ошибок")
                          : tr("; ошибки: %1").arg(parts.join(QStringLiteral(", ")));
  return text;
}
