#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace ruzdo {

// One answered question of the numbers mode, as the picker sees it.
struct PastAnswer {
  int asked = 0;
  int clicked = -1;  // -1: no answer before the next question
  bool wrong = false;
};

// One answered question of a lesson, keyed by its item's written form.
struct PastLessonAnswer {
  std::string asked;    // the caption of the item said: 4:15
  std::string clicked;  // the plate clicked; "": no answer before the next question
  bool wrong = false;
};

// How many answers (of the numbers mode, of each lesson) the weighting looks
// back on.
inline constexpr std::size_t kWeakLookBack = 200;

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

// The same rule keyed by the written form: the score of every item troubled
// lately; items at 0 are left out.
std::map<std::string, int> WeakScores(const std::vector<PastLessonAnswer>& recent);

// Draws min + i with the chance weights[i] / sum, through the process-wide
// generator (so a seeded generator repeats the draws). min when the weights
// are empty or all zero.
int PickWeighted(int min, const std::vector<int>& weights);

// The written form of the item a lesson's next question asks when the weak
// items come more often; "" for a fresh draw of the lesson. A lesson has
// more items than a range has values, so a fresh draw stands for
// `untroubled` items of weight 1 and each troubled item adds its score: as
// in the numbers mode over a range of that many values, an item missed once
// comes about four times as often as an untroubled one.
std::string PickWeakItem(const std::vector<PastLessonAnswer>& recent, int untroubled);

}  // namespace ruzdo
