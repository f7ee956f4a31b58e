#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/question.h"

namespace ruzdo {

enum class RunState { kIdle, kRunning, kPaused };

// One run of the drill: its state, the question open, the one planned for
// the next tick, and the counters. A tick is one path: the question asked
// and left unanswered is judged a miss, then, while questions are left, the
// planned one is asked; a plate clicked during the run is judged once per
// question. The counters keep the names the window shows them by.
class DrillRun {
 public:
  std::int32_t QuestionCount = 0;  // questions asked in this run
  std::int32_t ErrorCount = 0;     // misses: wrong plates and unanswered questions
  bool Answered = false;           // the question asked last has been answered

  RunState state() const { return state_; }
  bool exists() const { return state_ != RunState::kIdle; }
  bool running() const { return state_ == RunState::kRunning; }

  // A new run of at most limit questions: counters and summary to zero,
  // nothing asked or planned.
  void start(int limit);
  // Ends the run; whether one was going.
  bool stop();
  // Pauses a running run or resumes a paused one; false without a run.
  bool togglePause();
  // The counters to zero, nothing asked (the window's ResetStats).
  void reset();

  // The tick's first step: the question asked and left unanswered is a miss
  // (counted); whether it was.
  bool judgeUnanswered();
  // Whether the tick asks another question, or ends the run.
  bool questionsLeft() const { return QuestionCount < limit_; }
  // The question asked now: open until answered or judged.
  void ask(Question q);
  const Question& current() const { return current_; }
  // Whether the question asked last is still waiting for its answer.
  bool open() const { return open_; }

  // A plate clicked while the run goes on: the first click after a question
  // is judged (a click before the first one is a miss with nothing asked).
  enum class Verdict { kIgnored, kRight, kWrong };
  Verdict answer(const PlateAnswer& plate);
  // An error counted by hand (the window's RegisterError).
  void countError() { ++ErrorCount; }

  // The question drawn ahead for the next tick, taken by it.
  std::optional<Question> planned;

  // The run's summary: answers judged, and the values missed with how many
  // times, the most missed first (equal ones as first missed).
  int judged() const { return judged_; }
  std::vector<std::pair<std::string, int>> misses() const;

 private:
  void judge(bool wrong);

  RunState state_ = RunState::kIdle;
  int limit_ = 0;
  Question current_;
  bool open_ = false;
  int judged_ = 0;
  std::vector<std::pair<std::string, int>> misses_;  // in the order first missed
};

}  // namespace ruzdo
