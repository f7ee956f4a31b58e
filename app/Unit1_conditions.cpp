// Listening conditions: where the speech is heard (quiet, a phone line, a
// street, a crowd, a station) and the learner's noise level, which follows
// the answers. The sounds are conditioned where they are made.
#include <QGroupBox>
#include <QLabel>
#include <cmath>

#include "Unit1.h"
#include "core/babble_talkers.h"
#include "core/listening_condition.h"
#include "platform/speech_cache.h"

namespace {

bool noisy(const std::string& key) {
  return ruzdo::ConditionInfo(ruzdo::ConditionFromKey(key)).noisy;
}

}  // namespace

void TMainForm::setUpConditions() {
  // On the first row of the statistics, between its label and its value.
  lNoise = new QLabel(gInfo);
  lNoise->setObjectName(QStringLiteral("lNoise"));
  lNoise->setGeometry(128, 20, 96, 15);
  lNoise->setToolTip(
      QStringLiteral("Речь громче шума на столько децибел (меньше — труднее). Два верных "
                     "ответа подряд — на 2 дБ труднее, ошибка — на 2 дБ легче."));
  showNoiseLevel();
}

void TMainForm::setListeningCondition(const QString& key) {
  const std::string k = ruzdo::ConditionInfo(ruzdo::ConditionFromKey(key.toStdString())).key.data();
  if (k == listeningCondition_) return;
  listeningCondition_ = k;
  const ruzdo::ListeningCondition c = ruzdo::ConditionFromKey(k);
  if ((c == ruzdo::ListeningCondition::kCrowd || c == ruzdo::ListeningCondition::kStation) &&
      !talkersMade_.valid())
    talkersMade_ = std::async(std::launch::async, [] { ruzdo::BabbleTalkers(); });
  showNoiseLevel();
  schedulePrefetch();
}

void TMainForm::setNoiseLevelDb(double db) {
  noiseLevel_ = ruzdo::NoiseStaircase(db);
  showNoiseLevel();
  schedulePrefetch();
}

void TMainForm::noiseAnswered(bool right) {
  if (!noisy(listeningCondition_)) return;
  const double before = noiseLevel_.levelDb();
  noiseLevel_.answer(right);
  if (noiseLevel_.levelDb() == before) return;
  showNoiseLevel();
  schedulePrefetch();
}

void TMainForm::showNoiseLevel() {
  if (!lNoise) return;
  const double db = noiseLevel_.levelDb();
  // A minus sign, not a hyphen, before a level below zero.
  const QString text = QStringLiteral("Шум: %1%2 дБ")
                           .arg(db < 0 ? QStringLiteral("\u2212") : QString())
                           .arg(std::abs(db));
  lNoise->setText(text);
  lNoise->setAccessibleName(text);
  lNoise->setVisible(noisy(listeningCondition_));
}

std::optional<double> TMainForm::heardNoiseDb() const {
  if (!noisy(listeningCondition_)) return std::nullopt;
  return noiseLevel_.levelDb();
}

ruzdo::SynthesisJob TMainForm::soundJob(const std::string& text, int speed,
                                        const std::string& voice) const {
  return {text, speed, voice, {}, listeningCondition_, heardNoiseDb().value_or(0), nullptr};
}

ruzdo::SynthesisJob TMainForm::withPlainSound(ruzdo::SynthesisJob job) {
  if (!job.condition.empty()) job.made = speechCache_->find(job.plain());
  return job;
}
