// Questions said inside sentences, each drawn at the tick before its own and
// its sound made in the background, so that a tick is heard at once.
#include <QCheckBox>
#include <QFile>
#include <QSlider>
#include <QSpinBox>

#include "Unit1.h"
#include "core/carrier_sentences.h"
#include "core/random_source.h"
#include "platform/speech_cache.h"
#include "widgets/image_button.h"

bool TMainForm::sentencesOn() const { return sSentences && sSentences->isChecked(); }

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
    q.said = numberSaid(q.number, true, true);
    return q;
  }
  q.captions = RuzdoPole->DrawCaptions();
  if (!q.captions.isEmpty())
    q.sequence = q.captions[ruzdo::RandomBelow(static_cast<int>(q.captions.size()))];
  q.said = sequenceSaid(q.sequence, true, true);
  return q;
}

TMainForm::PlannedQuestion TMainForm::takePlanned() {
  PlannedQuestion q = planned_ ? std::move(*planned_) : planQuestion();
  planned_.reset();
  return q;
}

void TMainForm::planNext() {
  // Only while questions remain: a run draws what it asks and no more.
  if (!sentencesOn() || bStart->isEnabled() || QuestionCount >= sMaxQuestion->value()) return;
  planned_ = planQuestion();
  const Said& said = planned_->said;
  const int speed = sSpechSpeed->value();
  if (aheadWorker_ && !said.koe.isEmpty() &&
      !speechCache_->find(said.koe.toStdString(), speed, said.voice))
    aheadWorker_->post({{said.koe.toStdString(), speed, said.voice, {}}});
}

void TMainForm::askQuestion(const PlannedQuestion& q) {
  if (Mode == 0) {
    LastNumber = q.number;
  } else {
    RuzdoPole->SetCaptions(q.captions);
    LastText = q.sequence;
  }
  rememberSaid(q.said);
  if (q.said.koe.isEmpty()) {
    SynthesisFailed();
    return;
  }
  Speak(q.said.koe, sSpechSpeed->value(), q.said.voice);
}
