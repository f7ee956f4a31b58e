#pragma once

#include "wave_image.h"

namespace ruzdo {

// Where the program's sounds go. Playback is asynchronous: play() returns at
// once; a new utterance cuts off the one still playing, nothing is queued.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Plays a WAV image, keeping it alive until it has ended or been replaced.
  virtual void play(WaveRef wave) = 0;
  // A short warning tone that does not cut off the utterance playing.
  virtual void beep() = 0;
};

}  // namespace ruzdo
