#pragma once

#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "core/listening_condition.h"
#include "platform/wave_image.h"

namespace ruzdo {

// What to synthesise: the engine's text and speed. The voice and its variant
// belong to the key as well; empty means the default voice. The listening
// condition (its key, "" for quiet) and its speech-to-noise level are applied
// to the sound once it is made; the level is 0 where the condition has no
// noise, so that those sounds are keyed once. The crowd and the station are
// heard with other talkers once they are at hand, and until then with the
// utterance itself as the babble: the two are keyed apart.
struct SynthesisJob {
  // Any leading part of the fields, the rest left at their defaults.
  SynthesisJob(std::string text_ = {}, int speed_ = 0, std::string voice_ = {},
               std::string variant_ = {}, std::string condition_ = {}, double noiseDb_ = 0,
               WaveRef made_ = nullptr)
      : text(std::move(text_)),
        speed(speed_),
        voice(std::move(voice_)),
        variant(std::move(variant_)),
        condition(std::move(condition_)),
        noiseDb(noiseDb_),
        made(std::move(made_)) {}

  std::string text;
  int speed = 0;
  std::string voice;
  std::string variant;
  std::string condition;
  double noiseDb = 0;
  // The engine's sound for this job when already at hand: the worker then
  // only applies the condition. Not part of the key.
  WaveRef made;
  // The other talkers of the babble; whether there are any is part of the key.
  std::shared_ptr<const Talkers> talkers;

  // What tells one sound from another, the one key of the cache and the
  // queue: every field but `made`, and of the talkers whether there are any.
  using Key = std::tuple<std::string, int, std::string, std::string, std::string, double, bool>;
  Key key() const { return {text, speed, voice, variant, condition, noiseDb, talkers != nullptr}; }
  bool operator==(const SynthesisJob& o) const { return key() == o.key(); }
  // The same sound as the engine makes it, before any condition.
  SynthesisJob plain() const { return {text, speed, voice, variant, {}, 0, nullptr}; }
};

// The job's sound under its condition: `made` itself when quiet, null when
// the condition cannot be applied. The noise is drawn from the job's key, so
// the same job always sounds the same.
WaveRef HeardUnderCondition(const SynthesisJob& job, WaveRef made);

}  // namespace ruzdo
