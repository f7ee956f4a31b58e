#pragma once

#include <cstddef>
#include <vector>

#include "core/weak_picker.h"

namespace ruzdo {

// The answers of the numbers mode that «Чаще ошибочные» weighs: the last
// kWeakLookBack of them, oldest first. Those kept in the history come before the
// answers of this session.
class RecentAnswers {
 public:
  void add(PastAnswer answer);
  // The history's answers, oldest first, read after this session began.
  void addEarlier(const std::vector<PastAnswer>& stored);
  void clear() { answers_.clear(); }
  const std::vector<PastAnswer>& all() const { return answers_; }

 private:
  std::vector<PastAnswer> answers_;
};

}  // namespace ruzdo
