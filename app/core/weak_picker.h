#pragma once

#include <vector>

namespace ruzdo {

// One answered question of the numbers mode, as the picker sees it.
struct PastAnswer {
  int asked = 0;
  int clicked = -1;  // -1: no answer before the next question
  bool wrong = false;
};

// How strongly recent answers pull a value forward when the weak values are
// drilled more often. Each value of the range starts at weight 1; from the
// recent answers its score is
//   3 for every time it was asked and missed (wrong click or no answer),
//   1 for every time it was clicked when another value was asked (confused),
//  -1 for every time it was asked and answered right,
// clamped to 0 ... kMaxWeakScore, and its weight is 1 + score. A value missed
// once is thus four times as likely as an untroubled one, and three right
// answers bring it back to the rest.
inline constexpr int kMissScore = 3;
inline constexpr int kConfusedScore = 1;
inline constexpr int kRightScore = -1;
inline constexpr int kMaxWeakScore = 12;

// The weight of every value min ... max (index 0 is min); empty when max < min.
std::vector<int> WeakWeights(int min, int max, const std::vector<PastAnswer>& recent);

// Draws min + i with the chance weights[i] / sum, through the process-wide
// generator (so a seeded generator repeats the draws). min when the weights
// are empty or all zero.
int PickWeighted(int min, const std::vector<int>& weights);

}  // namespace ruzdo
