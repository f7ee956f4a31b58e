#pragma once

#include <optional>
#include <string>

#include "core/said.h"
#include "core/tani.h"

namespace ruzdo {

struct CarrierTable;

// How a question or a plate is said: in which voice, with which reading and
// whether inside a sentence. A question draws its reading and sentence; a
// plate listened to draws nothing.
struct SayingChoice {
  std::string voice;            // "" the standard voice
  std::optional<int> readings;  // accepted readings to draw one from; none: the usual one
  const CarrierTable* carriers = nullptr;  // a sentence drawn from these; none: said alone
};

// A number with its counter word: the written value (25本), the engine's
// text, the reading drawn and the sentence drawn for its counter, in the
// order they were always drawn.
Said SayNumber(int value, TTani tani, const SayingChoice& how);
// A sequence of digits (4-07); the speech text stays empty for a character
// Shift-JIS cannot hold, which the engine could not read either.
Said SaySequence(const std::string& text, const SayingChoice& how);

}  // namespace ruzdo
