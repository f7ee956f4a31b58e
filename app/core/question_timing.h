#pragma once

#include <optional>

namespace ruzdo {

// The least time a question leaves to answer after it has been said, when
// it is longer than the time to the next question.
constexpr int kLeastAnswerMs = 1000;

// When the next question comes, reckoned as the sound of the one asked
// starts: soundMs long, with the next tick due dueMs from now (less than
// zero: already due and held back for the sound). With the interval counted
// after the speech, the whole interval follows the sound. Otherwise a sound
// that ends before the tick keeps it exactly where it is due (none); one
// that would still be playing then is never cut off: the tick waits for its
// end and kLeastAnswerMs more.
std::optional<int> NextQuestionInMs(int intervalMs, int dueMs, int soundMs, bool afterSpeech);

}  // namespace ruzdo
