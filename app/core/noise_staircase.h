#pragma once

namespace ruzdo {

// The speech-to-noise level that adapts to the learner, two down and one up
// (Levitt 1971), which settles where about 71 % of answers are right: two
// right answers in a row make it a step harder (less speech over the noise),
// a miss a step easier, within the easiest and hardest levels.
class NoiseStaircase {
 public:
  static constexpr double kStartDb = 15;
  static constexpr double kStepDb = 2;
  static constexpr double kEasiestDb = 20;
  static constexpr double kHardestDb = -5;

  // At a level kept from before, brought within the bounds (the start for
  // one that is not a number).
  explicit NoiseStaircase(double levelDb = kStartDb);

  double levelDb() const { return levelDb_; }
  void answer(bool right);

 private:
  double levelDb_;
  int rightInRow_ = 0;
};

}  // namespace ruzdo
