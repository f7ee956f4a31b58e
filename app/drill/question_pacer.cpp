#include "drill/question_pacer.h"

#include <QTimer>

#include "core/pcm_wave.h"
#include "core/question_timing.h"

namespace ruzdo {
namespace {

// With the interval after the speech, the next question waits at most this
// long for the sound of the one asked (a synthesis still under way).
constexpr int kLongestSpeechWaitMs = 30000;

int soundLengthMs(const WaveRef& wave) {
  if (!wave) return 0;
  const auto pcm = ReadPcmWave(wave->data(), wave->size());
  if (!pcm || pcm->rateHz <= 0) return 0;
  return static_cast<int>(static_cast<long long>(pcm->samples.size()) * 1000 / pcm->rateHz);
}

}  // namespace

void QuestionPacer::asked(int intervalMs, bool afterSpeech) {
  awaitingSound_ = true;
  held_ = false;
  askedClock_.start();
  if (afterSpeech)
    tick_->start(kLongestSpeechWaitMs);  // until its sound is known
  else if (tick_->interval() != intervalMs)
    tick_->start(intervalMs);
}

bool QuestionPacer::takeQuestionSound() {
  if (!awaitingSound_) return false;
  awaitingSound_ = false;
  return true;
}

void QuestionPacer::soundStarted(const WaveRef& wave, int intervalMs, bool afterSpeech) {
  // Not while paused: going on gives a full interval anyway.
  if (!tick_->isActive()) return;
  const int due = held_ ? -1 : intervalMs - static_cast<int>(askedClock_.elapsed());
  if (const auto wait = NextQuestionInMs(intervalMs, due, soundLengthMs(wave), afterSpeech))
    tick_->start(*wait);
}

bool QuestionPacer::holdTick(bool afterSpeech) {
  // With the interval after the speech it waits already.
  if (!awaitingSound_ || held_ || afterSpeech) return false;
  held_ = true;
  tick_->start(kLongestSpeechWaitMs);
  return true;
}

void QuestionPacer::stop() {
  awaitingSound_ = false;
  held_ = false;
}

}  // namespace ruzdo
