#include "weak_picker.h"

#include <algorithm>

#include "random_source.h"

namespace ruzdo {

std::vector<int> WeakWeights(int min, int max, const std::vector<PastAnswer>& recent) {
  if (max < min) return {};
  std::vector<int> score(static_cast<std::size_t>(max - min + 1), 0);
  const auto add = [&](int value, int points) {
    if (value >= min && value <= max) score[static_cast<std::size_t>(value - min)] += points;
  };
  // Oldest first, so that later right answers pay off earlier misses and not
  // the other way round.
  for (const PastAnswer& a : recent) {
    if (a.wrong) {
      add(a.asked, kMissScore);
      if (a.clicked >= 0 && a.clicked != a.asked) add(a.clicked, kConfusedScore);
    } else {
      add(a.asked, kRightScore);
    }
    for (int& s : score) s = std::clamp(s, 0, kMaxWeakScore);
  }
  for (int& s : score) s += 1;
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

}  // namespace ruzdo
