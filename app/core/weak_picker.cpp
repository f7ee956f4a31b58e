#include "weak_picker.h"

#include <algorithm>
#include <iterator>

#include "random_source.h"

namespace ruzdo {

namespace {

bool answered(const PastAnswer& a) { return a.clicked >= 0; }
bool answered(const PastLessonAnswer& a) { return !a.clicked.empty(); }

// The rule over the answers, oldest first, so that later right answers pay
// off earlier misses and not the other way round: add(key, points) for each
// answer, then every score clamped.
template <typename Answer, typename Add, typename Clamp>
void ScoreAnswers(const std::vector<Answer>& recent, Add add, Clamp clampAll) {
  for (const Answer& a : recent) {
    if (a.wrong) {
      add(a.asked, kMissScore);
      if (answered(a) && a.clicked != a.asked) add(a.clicked, kConfusedScore);
    } else {
      add(a.asked, kRightScore);
    }
    clampAll();
  }
}

}  // namespace

std::vector<int> WeakWeights(int min, int max, const std::vector<PastAnswer>& recent) {
  if (max < min) return {};
  std::vector<int> score(static_cast<std::size_t>(max - min + 1), 0);
  ScoreAnswers(
      recent,
      [&](int value, int points) {
        if (value >= min && value <= max) score[static_cast<std::size_t>(value - min)] += points;
      },
      [&] {
        for (int& s : score) s = std::clamp(s, 0, kMaxWeakScore);
      });
  for (int& s : score) s += 1;
  return score;
}

std::map<std::string, int> WeakScores(const std::vector<PastLessonAnswer>& recent) {
  std::map<std::string, int> score;
  ScoreAnswers(
      recent, [&](const std::string& item, int points) { score[item] += points; },
      [&] {
        for (auto it = score.begin(); it != score.end();) {
          it->second = std::clamp(it->second, 0, kMaxWeakScore);
          it = it->second == 0 ? score.erase(it) : std::next(it);
        }
      });
  return score;
}

int PickWeighted(int min, const std::vector<int>& weights) {
  long total = 0;
  for (int w : weights) total += std::max(w, 0);
  if (total <= 0) return min;
  int draw = RandomBelow(static_cast<int>(total));
  for (std::size_t i = 0; i < weights.size(); ++i) {
    const int w = std::max(weights[i], 0);
    if (draw < w) return min + static_cast<int>(i);
    draw -= w;
  }
  return min;
}

std::string PickWeakItem(const std::vector<PastLessonAnswer>& recent, int untroubled) {
  const std::map<std::string, int> scores = WeakScores(recent);
  // Nothing troubled: no draw here, so the lesson draws as with the option off.
  if (scores.empty()) return {};
  std::vector<int> weights{std::max(untroubled, 1)};
  for (const auto& [item, score] : scores) weights.push_back(score);
  const int picked = PickWeighted(0, weights);
  return picked == 0 ? std::string() : std::next(scores.begin(), picked - 1)->first;
}

}  // namespace ruzdo
