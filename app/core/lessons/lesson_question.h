#pragma once

#include <string>
#include <vector>

#include "core/carrier_sentences.h"
#include "core/lessons/lesson_item.h"
#include "core/lessons/lesson_saying.h"
#include "core/question.h"
#include "core/said.h"

namespace ruzdo {

// How a lesson's item is to be said.
struct LessonSpeechOptions {
  bool inSentence = false;  // «В предложениях» (an announcement always is)
  bool variants = false;    // «Разные варианты чтения»
  std::string voice;        // the voice preset; "" the standard one
};

// What is said for an item: its caption as written, the engine's text in
// Shift-JIS, the reading and the sentence. Empty koe where the text cannot
// be put in Shift-JIS (it always can: kana, digits and the tags).
Said LessonSaid(const LessonItem& item, const CarrierTable& carriers,
                const LessonSpeechOptions& options, const VariantCounter& count);

// A lesson's question drawn ahead of its tick: the item said, the plates'
// items (the said one among them) and the question with what is said.
struct LessonQuestion {
  LessonItem said;
  std::vector<LessonItem> plates;
  Question question;
};
LessonQuestion DrawLessonQuestion(DrillMode lesson, int plates, const CarrierTable& carriers,
                                  const LessonSpeechOptions& options, const VariantCounter& count);

// The item a plate shows, among the plates' items; null where none does.
const LessonItem* ItemOnPlate(const std::vector<LessonItem>& plates, const std::string& caption);

// How many plates a lesson's question has for a grid of cols columns: three
// rows' worth, 6 … 12.
int LessonPlateCount(int cols);

}  // namespace ruzdo
