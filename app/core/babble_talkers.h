#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "listening_condition.h"

namespace ruzdo {

// Other talkers for the crowd and the station: the engine's voice presets
// saying everyday sentences (no numbers in them), one sentence each.
int BabbleTalkerCount();
// Talker index (0 ... BabbleTalkerCount() - 1) as the engine says it;
// nothing when the engine cannot.
std::optional<PcmSound> MakeBabbleTalker(int index);
// What the talkers depend on: the program's version, the engine's library
// and standard voice files (path, size, time), the layout of the voices, the
// sentences and the voices saying them. Talkers kept under another key are
// not these.
std::string BabbleTalkersKey(std::string_view programVersion);

// Every talker, made once per process on first use and kept. Safe to call
// from any thread; those calling while it is being made wait for it. Empty
// when the engine cannot speak.
const Talkers& BabbleTalkers();

}  // namespace ruzdo
