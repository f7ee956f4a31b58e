#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/carrier_sentences.h"
#include "core/lessons/lesson_item.h"
#include "core/question.h"

namespace ruzdo {

// How many accepted readings the engine has for one tag (UTF-8): the speech
// engine's count (TagVariantCount), or a test's.
using VariantCounter = std::function<int(const std::string& utf8Tag)>;

// The key of the lesson's sentences in the carriers' table: TIME, DATE,
// PRICE, PHONE, AMOUNT (AMOUNT円, AMOUNT人 with a unit), ANNOUNCEMENT.
std::string LessonCarrierKey(const LessonItem& item);
// Whether a key of the carriers' table is one of the lessons'.
bool IsLessonCarrierKey(const std::string& key);
// The value the table's fits column is matched with: the hour on the
// 24-hour clock, the month, the yen, the amount, the platform.
long long LessonCarrierValue(const LessonItem& item);

// How an item is said.
struct LessonSaying {
  std::string phonetic;  // the engine's text, UTF-8: <NUMK VAL=10 COUNTER=じ>…
  int variant = 1;       // the reading said among all the text's readings; 1 the usual
  std::string sentence;  // the written sentence it is said in; "" alone
};

// The item said alone or, with inSentence, in a sentence of its lesson drawn
// from carriers (an announcement always is); with variants, each number in
// an accepted reading drawn for it (しちじ/ななじ, じゅっぷん/じっぷん,
// ぜろ/れい), else the usual readings. variant counts the readings as the
// engine does: the first tag changing fastest.
LessonSaying SayLessonItem(const LessonItem& item, const CarrierTable& carriers, bool inSentence,
                           bool variants, const VariantCounter& count);

// The question of a lesson: its plates' captions and the said item's.
Question LessonQuestionOf(const LessonItem& said, const std::vector<LessonItem>& plates);

}  // namespace ruzdo
