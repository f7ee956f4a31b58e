// Questions said inside sentences; those and the sequence questions drawn at
// the tick before their own (the first at Start) and their sound made in the
// background, so that a tick is heard at once.
#include <QCheckBox>
#include <QFile>
#include <QSlider>
#include <QSpinBox>

#include "Unit1.h"
#include "core/carrier_sentences.h"
#include "core/random_source.h"
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
  return sentencesOn() || Mode == 1 || (voicesVary() && !sWeakFirst->isChecked());
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

TMainForm::PlannedQuestion TMainForm::planQuestion() {
  PlannedQuestion q;
  if (Mode == 0) {
    q.number = nextQuestionNumber();
    q.said = numberSaid(q.number, true, sentencesOn());
    return q;
  }
  q.captions = RuzdoPole->DrawCaptions();
  if (!q.captions.isEmpty())
    q.sequence = q.captions[ruzdo::RandomBelow(static_cast<int>(q.captions.size()))];
  q.said = sequenceSaid(q.sequence, true, sentencesOn());
  return q;
}

TMainForm::PlannedQuestion TMainForm::takePlanned() {
  PlannedQuestion q = planned_ ? std::move(*planned_) : planQuestion();
  planned_.reset();
  return q;
}

void TMainForm::planNext() {
  // Only while questions remain: a run draws what it asks and no more.
  if (!madeAhead() || bStart->isEnabled() || QuestionCount >= sMaxQuestion->value()) return;
  planned_ = planQuestion();
  const Said& said = planned_->said;
  if (!said.koe.isEmpty())
    speech_->makeNext(said.koe.toStdString(), sSpechSpeed->value(), said.voice);
}

bool TMainForm::nextQuestionReady() const {
  return planned_ && !planned_->said.koe.isEmpty() &&
         speech_->made(planned_->said.koe.toStdString(), sSpechSpeed->value(),
                       planned_->said.voice);
}

void TMainForm::askQuestion(const PlannedQuestion& q) {
  if (Mode == 0) {
    LastNumber = q.number;
  } else {
    RuzdoPole->SetCaptions(q.captions);
    LastText = q.sequence;
  }
  beforeQuestion();
  rememberSaid(q.said);
  if (q.said.koe.isEmpty()) {
    SynthesisFailed();
    return;
  }
  Speak(q.said.koe, sSpechSpeed->value(), q.said.voice);
}
