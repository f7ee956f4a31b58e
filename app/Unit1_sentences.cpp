// The next question: drawn by its mode (a number of the range, more often a
// weak one with «Чаще ошибочные»; a caption among its plates' new ones),
// said alone or inside a sentence, and asked at its tick. Made ahead, it is
// drawn at the tick before its own (the first at Start) and its sound made
// in the background, so that a tick is heard at once.
#include <QCheckBox>
#include <QFile>
#include <QSlider>
#include <QSpinBox>

#include "Unit1.h"
#include "core/carrier_sentences.h"
#include "core/random_source.h"
#include "core/value_text.h"
#include "drill/answer_log.h"
#include "speech/speech_service.h"
#include "widgets/image_button.h"

bool TMainForm::sentencesOn() const { return sSentences && sSentences->isChecked(); }

bool TMainForm::madeAhead() const {
  // Drawn ahead, a sequence question makes the same draws in the same order:
  // its plates' captions, the plate, its voice. A number question may depend
  // on the answer before it (Чаще ошибочные), so it is drawn ahead only in
  // sentences, which it always was, and in voices drawn per question
  // ("Разные") unless it depends on the answers: then one sound in the new
  // voice is made ahead rather than every plate's.
  // A question that brings its plates' captions is always drawn ahead.
  return sentencesOn() || Mode != ruzdo::DrillMode::kNumbers ||
         (voicesVary() && !sWeakFirst->isChecked());
}

const ruzdo::CarrierTable& TMainForm::carriers() {
  if (!carriers_) {
    QFile file(QStringLiteral(":/data/carriers.tsv"));
    auto table = std::make_shared<ruzdo::CarrierTable>();
    if (file.open(QIODevice::ReadOnly)) *table = ruzdo::ParseCarriers(file.readAll().toStdString());
    carriers_ = std::move(table);
  }
  return *carriers_;
}

ruzdo::Question TMainForm::drawQuestion() {
  switch (Mode) {
    case ruzdo::DrillMode::kNumbers: {
      const int value = nextQuestionNumber();
      ruzdo::Question q = ruzdo::Question::ofNumber(
          value, std::string(ruzdo::CounterShownAfter(RuzdoPole->Tani(), value)));
      q.said = numberSaid(q.number, true, sentencesOn());
      return q;
    }
    case ruzdo::DrillMode::kSequences:  // captions made from the template
      return captionQuestion(RuzdoPole->DrawCaptions());
    default:
      return lessonQuestion();
  }
}

ruzdo::Question TMainForm::captionQuestion(const QStringList& captions) {
  QString asked;
  if (!captions.isEmpty()) asked = captions[ruzdo::RandomBelow(static_cast<int>(captions.size()))];
  std::vector<std::string> shown;
  shown.reserve(static_cast<std::size_t>(captions.size()));
  for (const QString& c : captions) shown.push_back(c.toStdString());
  ruzdo::Question q = ruzdo::Question::ofCaption(Mode, asked.toStdString(), std::move(shown));
  q.said = sequenceSaid(asked, true, sentencesOn());
  return q;
}

ruzdo::Question TMainForm::takePlanned() {
  ruzdo::Question q = drill_.planned ? std::move(*drill_.planned) : drawQuestion();
  drill_.planned.reset();
  return q;
}

void TMainForm::planNext() {
  // Only while questions remain: a run draws what it asks and no more.
  if (!madeAhead() || !drill_.exists() || !drill_.questionsLeft()) return;
  drill_.planned = drawQuestion();
  const Said& said = drill_.planned->said;
  if (!said.koe.empty()) speech_->makeNext(said.koe, sSpechSpeed->value(), said.voice);
}

bool TMainForm::nextQuestionReady() const {
  const auto& planned = drill_.planned;
  return planned && !planned->said.koe.empty() &&
         speech_->made(planned->said.koe, sSpechSpeed->value(), planned->said.voice);
}

void TMainForm::askQuestion(ruzdo::Question q) {
  // A question of captions brings them: the plates show them from now on.
  if (!q.captions.empty()) {
    QStringList captions;
    for (const std::string& c : q.captions) captions << QString::fromStdString(c);
    RuzdoPole->SetCaptions(captions);
  }
  beforeQuestion();
  rememberSaid(q.said);
  const int speed = sSpechSpeed->value();
  if (lastSaid_.koe.empty())
    SynthesisFailed();
  else
    Speak(lastSaid_.koe, speed, lastSaid_.voice);
  // Digits typed before the question were meant for the one before.
  RuzdoPole->ClearTyped();
  q.said = lastSaid_;
  answers_->asked(speed, QuestionCount == 0);
  drill_.ask(std::move(q));
  ShowStats();
}
