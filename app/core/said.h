#pragma once

#include <optional>
#include <string>

namespace ruzdo {

// What was said for a question or a listening click, as it was heard: kept
// for the line of what was said, for replay and for the history.
struct Said {
  std::string written;            // as a plate writes it, UTF-8: 25本, 4-07
  std::string koe;                // the engine's speech text (Shift-JIS), its reading chosen in it
  std::string voice;              // the voice preset it was said in; "" the standard one
  int variant = 1;                // the accepted reading said: 1 the usual one, 2 … the others
  std::string sentence;           // the written sentence it was said in; "" said alone
  std::string condition;          // the listening condition heard in; "" quiet
  std::optional<double> noiseDb;  // its speech-to-noise level, if it has noise
};

}  // namespace ruzdo
