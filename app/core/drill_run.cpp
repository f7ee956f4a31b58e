#include "core/drill_run.h"

#include <algorithm>

namespace ruzdo {

void DrillRun::start(int limit) {
  reset();
  limit_ = limit;
  planned.reset();
  judged_ = 0;
  misses_.clear();
  state_ = RunState::kRunning;
}

bool DrillRun::stop() {
  const bool was = exists();
  state_ = RunState::kIdle;
  planned.reset();
  open_ = false;
  return was;
}

bool DrillRun::togglePause() {
  if (!exists()) return false;
  state_ = running() ? RunState::kPaused : RunState::kRunning;
  return true;
}

void DrillRun::reset() {
  QuestionCount = 0;
  ErrorCount = 0;
  Answered = false;
  current_ = Question{};
  open_ = false;
}

bool DrillRun::judgeUnanswered() {
  if (QuestionCount == 0 || Answered) return false;
  ++ErrorCount;
  judge(true);
  return true;
}

void DrillRun::ask(Question q) {
  current_ = std::move(q);
  open_ = true;
  ++QuestionCount;
  Answered = false;
}

DrillRun::Verdict DrillRun::answer(const PlateAnswer& plate) {
  if (Answered) return Verdict::kIgnored;
  Answered = true;
  // Before the first question nothing is asked: no plate answers it.
  const bool wrong = QuestionCount == 0 || !current_.answeredBy(plate);
  if (wrong) ++ErrorCount;
  if (QuestionCount > 0) judge(wrong);
  return wrong ? Verdict::kWrong : Verdict::kRight;
}

void DrillRun::judge(bool wrong) {
  open_ = false;
  ++judged_;
  if (!wrong) return;
  const std::string value = current_.value();
  auto it =
      std::find_if(misses_.begin(), misses_.end(), [&](const auto& m) { return m.first == value; });
  if (it == misses_.end())
    misses_.push_back({value, 1});
  else
    ++it->second;
}

std::vector<std::pair<std::string, int>> DrillRun::misses() const {
  auto sorted = misses_;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  return sorted;
}

}  // namespace ruzdo
