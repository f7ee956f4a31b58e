#include "noise_staircase.h"

#include <algorithm>
#include <cmath>

namespace ruzdo {

NoiseStaircase::NoiseStaircase(double levelDb)
    : levelDb_(std::isfinite(levelDb) ? std::clamp(levelDb, kHardestDb, kEasiestDb) : kStartDb) {}

void NoiseStaircase::answer(bool right) {
  if (!right) {
    rightInRow_ = 0;
    levelDb_ = std::min(levelDb_ + kStepDb, kEasiestDb);
    return;
  }
  if (++rightInRow_ < 2) return;
  rightInRow_ = 0;
  levelDb_ = std::max(levelDb_ - kStepDb, kHardestDb);
}

}  // namespace ruzdo
