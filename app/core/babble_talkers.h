#pragma once

#include "listening_condition.h"

namespace ruzdo {

// Other talkers for the crowd and the station: the engine's voice presets
// saying everyday sentences (no numbers in them), made once per process on
// first use and kept. Safe to call from any thread; those calling while it is
// being made wait for it. Empty when the engine cannot speak.
const Talkers& BabbleTalkers();

}  // namespace ruzdo
