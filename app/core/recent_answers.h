#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "core/weak_picker.h"

namespace ruzdo {

// The answers «Чаще ошибочные» weighs: the last kWeakLookBack of them, oldest
// first. Those kept in the history come before the answers of this session.
template <typename Answer>
class LatestAnswers {
 public:
  void add(Answer answer) {
    answers_.push_back(std::move(answer));
    keepLatest();
  }
  // The history's answers, oldest first, read after this session began.
  void addEarlier(const std::vector<Answer>& stored) {
    answers_.insert(answers_.begin(), stored.begin(), stored.end());
    keepLatest();
  }
  void clear() { answers_.clear(); }
  const std::vector<Answer>& all() const { return answers_; }

 private:
  void keepLatest() {
    if (answers_.size() > kWeakLookBack)
      answers_.erase(answers_.begin(), answers_.end() - static_cast<std::ptrdiff_t>(kWeakLookBack));
  }
  std::vector<Answer> answers_;
};

// The numbers mode's.
using RecentAnswers = LatestAnswers<PastAnswer>;

}  // namespace ruzdo
