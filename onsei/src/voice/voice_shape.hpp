#pragma once

namespace onsei {

// How a synthesis bends the loaded voice, through hts_engine's own controls.
// The default shape leaves the voice exactly as it is.
struct VoiceShape {
  double halfTones = 0;   // added to F0, in half tones
  double alphaShift = 0;  // added to the voice's all-pass constant
  double beta = 0;        // post-filter coefficient, 0 ... 1 (0 = off)
  double tempo = 1;       // speaking rate through the duration model

  bool operator==(const VoiceShape&) const = default;
};

}  // namespace onsei
