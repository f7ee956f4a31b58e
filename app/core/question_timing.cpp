#include "core/question_timing.h"

namespace ruzdo {

std::optional<int> NextQuestionInMs(int intervalMs, int dueMs, int soundMs, bool afterSpeech) {
  if (afterSpeech) return intervalMs + soundMs;
  if (soundMs <= dueMs) return std::nullopt;
  return soundMs + kLeastAnswerMs;
}

}  // namespace ruzdo
