#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/noise_staircase.h"

namespace ruzdo {

// Where the learner hears the speech: a listening condition ("" quiet) and
// the speech-to-noise level, which the answers move only in a noisy one.
class ListeningSetting {
 public:
  const std::string& key() const { return key_; }
  bool noisy() const;
  double levelDb() const { return level_.levelDb(); }
  // The level the speech is heard at; none without noise.
  std::optional<double> heardNoiseDb() const;

  // The condition known by key (quiet for an unknown one); whether it changed.
  bool setKey(std::string_view key);
  // A level kept from before, brought within the staircase's bounds.
  void setLevelDb(double db) { level_ = NoiseStaircase(db); }
  // An answer judged: whether the level heard moved.
  bool answered(bool right);

 private:
  std::string key_;
  NoiseStaircase level_;
};

}  // namespace ruzdo
