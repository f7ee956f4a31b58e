#pragma once

#include <QElapsedTimer>

#include "platform/wave_image.h"

class QTimer;

namespace ruzdo {

// When the drill's tick comes: an interval after the question is asked, or
// with «Интервал после речи» an interval after its sound ends. A tick that
// comes before the question's sound has started (still being made) waits
// for it, once, so that it is not cut off unheard.
class QuestionPacer {
 public:
  // tick: the drill's timer (not owned).
  explicit QuestionPacer(QTimer* tick = nullptr) : tick_(tick) {}

  // A question asked now, with the interval and whether it counts from the
  // end of the speech.
  void asked(int intervalMs, bool afterSpeech);
  // Whether a sound starting now is the question's, awaited since it was
  // asked; it is awaited no longer.
  bool takeQuestionSound();
  // The question's sound starts: the tick set from its length.
  void soundStarted(const WaveRef& wave, int intervalMs, bool afterSpeech);
  // Whether the tick waits for the question's sound: then it comes again
  // once the sound starts.
  bool holdTick(bool afterSpeech);
  // The run ended: no sound awaited.
  void stop();

 private:
  QTimer* tick_;
  bool awaitingSound_ = false;
  bool held_ = false;
  QElapsedTimer askedClock_;  // since the question was asked
};

}  // namespace ruzdo
