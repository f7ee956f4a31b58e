#include "core/lessons/lesson_question.h"

#include <algorithm>

#include "core/lessons/lesson_draw.h"
#include "core/speech_text.h"

namespace ruzdo {

Said LessonSaid(const LessonItem& item, const CarrierTable& carriers,
                const LessonSpeechOptions& options, const VariantCounter& count) {
  const LessonSaying saying =
      SayLessonItem(item, carriers, options.inSentence, options.variants, count);
  Said said;
  said.written = LessonCaption(item);
  said.koe = ToShiftJis(saying.phonetic).value_or(std::string());
  said.voice = options.voice;
  said.variant = saying.variant;
  said.sentence = saying.sentence;
  return said;
}

LessonQuestion DrawLessonQuestion(DrillMode lesson, int plates, const CarrierTable& carriers,
                                  const LessonSpeechOptions& options, const VariantCounter& count) {
  LessonQuestion q;
  q.said = DrawLessonItem(lesson);
  q.plates = LessonPlates(q.said, plates);
  q.question = LessonQuestionOf(q.said, q.plates);
  q.question.said = LessonSaid(q.said, carriers, options, count);
  return q;
}

const LessonItem* ItemOnPlate(const std::vector<LessonItem>& plates, const std::string& caption) {
  for (const LessonItem& item : plates)
    if (LessonCaption(item) == caption) return &item;
  return nullptr;
}

int LessonPlateCount(int cols) {
  return std::clamp(3 * cols, kFewestLessonPlates, kMostLessonPlates);
}

}  // namespace ruzdo
