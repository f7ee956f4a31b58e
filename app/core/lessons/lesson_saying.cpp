#include "core/lessons/lesson_saying.h"

#include "core/random_source.h"

namespace ruzdo {
namespace {

std::string Fill(std::string text, std::string_view slot, std::string_view filler) {
  const auto at = text.find(slot);
  if (at != std::string::npos) text.replace(at, slot.size(), filler);
  return text;
}

}  // namespace

std::string LessonCarrierKey(const LessonItem& item) {
  switch (item.lesson) {
    case DrillMode::kTimes:
      return "TIME";
    case DrillMode::kDates:
      return "DATE";
    case DrillMode::kPrices:
      return "PRICE";
    case DrillMode::kPhones:
      return "PHONE";
    case DrillMode::kBigNumbers:
      return item.unit == 1 ? "AMOUNT円" : item.unit == 2 ? "AMOUNT人" : "AMOUNT";
    default:
      return "ANNOUNCEMENT";
  }
}

bool IsLessonCarrierKey(const std::string& key) {
  for (const char* lessonKey :
       {"TIME", "DATE", "PRICE", "PHONE", "AMOUNT", "AMOUNT円", "AMOUNT人", "ANNOUNCEMENT"})
    if (key == lessonKey) return true;
  return false;
}

long long LessonCarrierValue(const LessonItem& item) {
  switch (item.lesson) {
    case DrillMode::kTimes:
      // 午後3時 is 15 o'clock; 午前12時 midnight.
      if (item.prefix == 2) return item.hour % 12 + 12;
      if (item.prefix == 1) return item.hour % 12;
      return item.hour;
    case DrillMode::kDates:
      return item.month;
    case DrillMode::kAnnouncements:
      return item.platform;
    default:
      return item.amount;
  }
}

LessonSaying SayLessonItem(const LessonItem& item, const CarrierTable& carriers, bool inSentence,
                           bool variants, const VariantCounter& count) {
  std::vector<SpeechPiece> pieces = LessonPieces(item);
  LessonSaying saying;
  // The combined reading: each tag's variant a digit of a mixed radix, the
  // first tag's the lowest.
  int place = 1;
  for (SpeechPiece& piece : pieces)
    for (SpeechTag& tag : piece.tags) {
      const int readings = variants ? count(tag.text()) : 1;
      tag.variant = readings > 1 ? 1 + RandomBelow(readings) : 1;
      saying.variant += (tag.variant - 1) * place;
      place *= readings;
    }
  const CarrierSentence* carrier =
      inSentence || item.lesson == DrillMode::kAnnouncements
          ? DrawCarrier(carriers, LessonCarrierKey(item), LessonCarrierValue(item))
          : nullptr;
  if (!carrier) {
    // Alone; an announcement without its sentences says its numbers in turn.
    for (const SpeechPiece& piece : pieces)
      saying.phonetic += (saying.phonetic.empty() ? "" : "、") + piece.phonetic();
    return saying;
  }
  saying.sentence = Fill(carrier->written, "{}", pieces[0].written);
  saying.phonetic = Fill(carrier->phonetic, "{}", pieces[0].phonetic());
  if (pieces.size() > 1) {
    saying.sentence = Fill(saying.sentence, "{2}", pieces[1].written);
    saying.phonetic = Fill(saying.phonetic, "{2}", pieces[1].phonetic());
  }
  return saying;
}

Question LessonQuestionOf(const LessonItem& said, const std::vector<LessonItem>& plates) {
  std::vector<std::string> captions;
  for (const LessonItem& plate : plates) captions.push_back(LessonCaption(plate));
  return Question::ofCaption(said.lesson, LessonCaption(said), std::move(captions));
}

}  // namespace ruzdo
