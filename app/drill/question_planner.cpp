#include "drill/question_planner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QSlider>
#include <optional>

#include "RuzdoPole.h"
#include "core/carrier_sentences.h"
#include "core/drill_run.h"
#include "core/lessons/lesson_draw.h"
#include "core/lessons/lesson_question.h"
#include "core/question_said.h"
#include "core/random_source.h"
#include "core/speech_text.h"
#include "core/value_text.h"
#include "core/weak_picker.h"
#include "drill/answer_log.h"
#include "widgets/plate_button.h"

namespace ruzdo {

QuestionPlanner::QuestionPlanner(Panel panel, SpeechService& speech, const AnswerLog& answers)
    : panel_(panel), speech_(speech), answers_(answers) {}

bool QuestionPlanner::sentencesOn() const {
  return panel_.sentences && panel_.sentences->isChecked();
}

bool QuestionPlanner::madeAhead() {
  // Drawn ahead, a sequence question makes the same draws in the same order:
  // its plates' captions, the plate, its voice. A number question may depend
  // on the answer before it (Чаще ошибочные), so it is drawn ahead only in
  // sentences, which it always was, and in voices drawn per question
  // ("Разные") unless it depends on the answers: then one sound in the new
  // voice is made ahead rather than every plate's.
  // A question that brings its plates' captions is always drawn ahead.
  return sentencesOn() || *panel_.mode != DrillMode::kNumbers ||
         (voices().varies() && !panel_.weakFirst->isChecked());
}

const CarrierTable& QuestionPlanner::carriers() {
  if (!carriers_) {
    QFile file(QStringLiteral(":/data/carriers.tsv"));
    auto table = std::make_shared<CarrierTable>();
    if (file.open(QIODevice::ReadOnly)) *table = ParseCarriers(file.readAll().toStdString());
    carriers_ = std::move(table);
  }
  return *carriers_;
}

Question QuestionPlanner::draw() {
  switch (*panel_.mode) {
    case DrillMode::kNumbers: {
      const int value = nextNumber();
      Question q =
          Question::ofNumber(value, std::string(CounterShownAfter(panel_.grid->Tani(), value)));
      q.said = numberSaid(q.number, true, sentencesOn());
      return q;
    }
    case DrillMode::kSequences:  // captions made from the template
      return captionQuestion(panel_.grid->DrawCaptions());
    default:
      return lessonQuestion();
  }
}

Question QuestionPlanner::captionQuestion(const QStringList& captions) {
  QString asked;
  if (!captions.isEmpty()) asked = captions[RandomBelow(static_cast<int>(captions.size()))];
  std::vector<std::string> shown;
  shown.reserve(static_cast<std::size_t>(captions.size()));
  for (const QString& c : captions) shown.push_back(c.toStdString());
  Question q = Question::ofCaption(*panel_.mode, asked.toStdString(), std::move(shown));
  q.said = sequenceSaid(asked, true, sentencesOn());
  return q;
}

Question QuestionPlanner::lessonQuestion() {
  // The question's draws in a fixed order: its item, its plates, its voice,
  // its readings and sentence.
  const DrillMode lesson = *panel_.mode;
  const int plateCount = panel_.grid->PlateCount();
  // With «Чаще ошибочные» the lesson's recently missed and confused items
  // come more often, a fresh draw standing for a grid's worth of untroubled
  // ones. Drawn ahead, a question weighs the answers up to the one before it.
  LessonItem said = panel_.weakFirst->isChecked()
                        ? DrawWeakLessonItem(lesson, answers_.lessons().of(lesson), plateCount)
                        : DrawLessonItem(lesson);
  const auto plates = LessonPlates(said, plateCount);
  Question q = LessonQuestionOf(said, plates);
  const LessonSpeechOptions options{sentencesOn(), panel_.variants->isChecked(), questionVoice()};
  q.said = LessonSaid(said, carriers(), options, variantCounter());
  return q;
}

int QuestionPlanner::nextNumber() {
  const int min = panel_.grid->MinRuzdo();
  const int max = panel_.grid->MaxRuzdo();
  if (!panel_.weakFirst->isChecked()) return min + RandomBelow(max - min + 1);
  return PickWeighted(min, WeakWeights(min, max, answers_.recent().all()));
}

Question QuestionPlanner::takePlanned(DrillRun& drill) {
  Question q = drill.planned ? std::move(*drill.planned) : draw();
  drill.planned.reset();
  return q;
}

void QuestionPlanner::planNext(DrillRun& drill) {
  // Only while questions remain: a run draws what it asks and no more.
  if (!madeAhead() || !drill.exists() || !drill.questionsLeft()) return;
  drill.planned = draw();
  const Said& said = drill.planned->said;
  if (!said.koe.empty()) speech_.makeNext(said.koe, panel_.speed->value(), said.voice);
}

bool QuestionPlanner::nextReady(const DrillRun& drill) const {
  const auto& planned = drill.planned;
  return planned && !planned->said.koe.empty() &&
         speech_.made(planned->said.koe, panel_.speed->value(), planned->said.voice);
}

VoiceChoice& QuestionPlanner::voices() {
  // "Разные" is the one entry without a preset's name.
  const QComboBox* picker = panel_.voice;
  std::vector<std::string> presets;
  for (int i = 0; i < picker->count(); ++i)
    if (const QString name = picker->itemData(i).toString(); !name.isEmpty())
      presets.push_back(name.toStdString());
  std::optional<std::string> chosen;
  if (picker->currentIndex() >= 0) chosen = picker->currentData().toString().toStdString();
  voices_.setPicker(std::move(presets), std::move(chosen));
  return voices_;
}

std::string QuestionPlanner::listeningVoice() { return voices().listening(); }

std::string QuestionPlanner::questionVoice() {
  bool nextDrawn = false;
  const std::string voice = voices().question(madeAhead(), nextDrawn);
  if (nextDrawn && onVoiceDrawn) onVoiceDrawn();
  return voice;
}

std::function<int(const std::string&)> QuestionPlanner::variantCounter() const {
  // Through the speech service's engine: the one a test gives, if any.
  return [this](const std::string& tag) { return TagVariantCount(speech_.engine(), tag); };
}

Said QuestionPlanner::numberSaid(int value, bool question, bool inSentence) {
  // A question may come in a voice drawn for it and in any accepted reading
  // of its number, and then in a sentence drawn for its counter; a listening
  // click comes in the chosen voice and the usual reading. Nothing is drawn
  // unless those options are on.
  const TTani tani = panel_.grid->Tani();
  SayingChoice how;
  how.voice = question ? questionVoice() : listeningVoice();
  if (question && panel_.variants->isChecked())
    how.readings = speech_.variantCount(NumberSpeechText(value, tani));
  if (inSentence) how.carriers = &carriers();
  return SayNumber(value, tani, how);
}

Said QuestionPlanner::sequenceSaid(const QString& text, bool question, bool inSentence) {
  SayingChoice how;
  how.voice = question ? questionVoice() : listeningVoice();
  if (inSentence) how.carriers = &carriers();
  return SaySequence(text.toStdString(), how);
}

Said QuestionPlanner::lessonSaid(const QString& caption) {
  const auto item = LessonItemOfCaption(*panel_.mode, caption.toStdString());
  if (!item) {
    Said none;
    none.written = caption.toStdString();
    return none;
  }
  // A listening click: the usual reading, alone (an announcement in its
  // sentence), in the listening voice.
  return LessonSaid(*item, carriers(), {false, false, listeningVoice()}, variantCounter());
}

std::vector<SpeechService::Utterance> QuestionPlanner::plateSounds() {
  const DrillMode mode = *panel_.mode;
  const TTani tani = panel_.grid->Tani();
  const std::string listening = listeningVoice();
  const std::vector<std::string> questionVoices = voices().aheadVoices(madeAhead());
  std::vector<SpeechService::Utterance> utterances;
  std::vector<int> numbers;
  for (PlateButton* plate : panel_.grid->Plates()) {
    if (mode == DrillMode::kNumbers) {
      numbers.push_back(plate->property("Tag").toInt());
      utterances.emplace_back(NumberSpeechText(numbers.back(), tani), listening);
    } else if (IsLesson(mode)) {
      const Said said = lessonSaid(plate->text());
      if (!said.koe.empty()) utterances.emplace_back(said.koe, listening);
    } else if (const auto text = SequenceSpeechText(plate->text().toStdString())) {
      utterances.emplace_back(*text, listening);
    }
  }
  for (const std::string& voice : questionVoices)
    for (int value : numbers) {
      const std::string usual = NumberSpeechText(value, tani);
      const int readings = panel_.variants->isChecked() ? speech_.variantCount(usual) : 1;
      for (int v = 1; v <= readings; ++v)
        utterances.emplace_back(NumberSpeechText(value, tani, v), voice);
    }
  return utterances;
}

}  // namespace ruzdo
