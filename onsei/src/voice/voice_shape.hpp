#pragma once

namespace onsei {

// How a synthesis bends the loaded voice, through hts_engine's own controls.
// The default shape leaves the voice exactly as it is.
struct VoiceShape {
  double halfTones = 0;   // added to F0, in half tones
  double alphaShift = 0;  // added to the voice's all-pass constant
  double beta = 0;        // post-filter coefficient, 0 ... 1 (0 = off)
  // Speaking rate, multiplying the speed of the call: it scales the frame
  // period, like the speed. (hts_engine's own speed control stretches the
  // duration model instead, and spends nearly all of a change on the pauses.)
  double tempo = 1;

  bool operator==(const VoiceShape&) const = default;
};

}  // namespace onsei
