#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/listening_condition.h"

namespace ruzdo {

// Everything the program asks of the speech engine, as one set of
// functions: the built-in engine (Onsei) unless a test gives its own.
// Texts are the engine's phonetic text in Shift-JIS.
struct SpeechEngine {
  // A WAV image of the text at the speed in the voice ("" the standard
  // voice), released with `release`; null when the engine cannot say it.
  std::function<unsigned char*(const char* koe, int speed, const char* voice, int* size)>
      synthesise;
  std::function<void(unsigned char*)> release;
  // The reading of a text: kana with "'" after the accented mora; empty
  // when the engine cannot read it.
  std::function<std::string(const char* koe)> reading;
  // How many accepted readings a number's text has (1 the usual only).
  std::function<int(const char* koe)> variantCount;
  // The other talkers of the crowd and the station: how many, each as the
  // engine says it (nothing when it cannot), and the key that names what
  // they were made of, under which they are kept between runs.
  struct TalkerSource {
    int count = 0;
    std::function<std::optional<PcmSound>(int index)> make;
    std::string key;
  };
  TalkerSource talkers;

  // The built-in engine; its talkers keyed to this program's version.
  static SpeechEngine Onsei();
};

// How many accepted readings one number's tag (UTF-8, <NUMK VAL=7 COUNTER=じ>)
// has for the engine: 1 where it refuses the tag or cannot count them. The
// lessons draw their readings through it, so a test's engine counts for them.
int TagVariantCount(const SpeechEngine& engine, const std::string& utf8Tag);

// The engine's voice presets by their names, the standard one first.
std::vector<std::string> EngineVoiceNames();

// Every talker of the built-in engine, made once per process on first use
// and kept. Safe to call from any thread; those calling while it is being
// made wait for it. Empty when the engine cannot speak.
const Talkers& BabbleTalkers();

}  // namespace ruzdo
