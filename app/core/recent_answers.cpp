#include "core/recent_answers.h"

#include <iterator>

namespace ruzdo {

void RecentAnswers::add(PastAnswer answer) {
  answers_.push_back(answer);
  if (answers_.size() > kWeakLookBack) answers_.erase(answers_.begin());
}

void RecentAnswers::addEarlier(const std::vector<PastAnswer>& stored) {
  std::vector<PastAnswer> all = stored;
  all.insert(all.end(), answers_.begin(), answers_.end());
  if (all.size() > kWeakLookBack)
    all.erase(all.begin(), all.end() - static_cast<std::ptrdiff_t>(kWeakLookBack));
  answers_ = std::move(all);
}

}  // namespace ruzdo
