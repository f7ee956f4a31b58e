// Listening conditions: where the speech is heard (quiet, a phone line, a
// street, a crowd, a station) and the learner's noise level, which follows
// the answers. The sounds are conditioned where they are made.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "Unit1.h"
#include "core/listening_condition.h"
#include "platform/speech_cache.h"
#include "training_options_window.h"

namespace {

QString utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool noisy(const std::string& key) {
  return ruzdo::ConditionInfo(ruzdo::ConditionFromKey(key)).noisy;
}

// Whose babble is made of other talkers.
bool babble(const std::string& key) {
  const ruzdo::ListeningCondition c = ruzdo::ConditionFromKey(key);
  return c == ruzdo::ListeningCondition::kCrowd || c == ruzdo::ListeningCondition::kStation;
}

// Lower than the window and the sounds asked for, as the sounds made ahead.
constexpr int kTalkersNiceness = 10;

}  // namespace

void TMainForm::setUpConditions() {
  // «Условия» in «Как звучит» of «Параметры обучения»; each item's tool tip
  // says what it is, and so does the box's for the one chosen.
  sCondition = fOptions->choice("condition");
  for (const ruzdo::ListeningConditionInfo& info : ruzdo::ListeningConditions()) {
    sCondition->addItem(utf8(info.name), utf8(info.key));
    sCondition->setItemData(sCondition->count() - 1, utf8(info.description), Qt::ToolTipRole);
  }
  sCondition->setToolTip(sCondition->itemData(0, Qt::ToolTipRole).toString());
  connect(sCondition, &QComboBox::currentIndexChanged, this, [this] {
    sCondition->setToolTip(sCondition->currentData(Qt::ToolTipRole).toString());
    setListeningCondition(sCondition->currentData().toString());
  });

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
  const std::string k(ruzdo::ConditionInfo(ruzdo::ConditionFromKey(key.toStdString())).key);
  if (k == listeningCondition_) return;
  listeningCondition_ = k;
  if (sCondition)
    sCondition->setCurrentIndex(std::max(0, sCondition->findData(QString::fromStdString(k))));
  if (babble(k)) getTalkers();
  showNoiseLevel();
  schedulePrefetch();
}

void TMainForm::useBabbleCache(const QString& folder) {
  babbleFile_ = folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("talkers.bin"));
}

void TMainForm::setBabbleSource(ruzdo::BabbleMaker::Source source) {
  babbleSource_ = std::move(source);
}

void TMainForm::getTalkers() {
  if (talkers_ || babbleMaker_) return;
  if (!babbleSource_) babbleSource_ = ruzdo::BabbleMaker::EngineTalkers(RUZDO_VERSION);
  babbleMaker_ = std::make_unique<ruzdo::BabbleMaker>(
      *babbleSource_, QFile::encodeName(babbleFile_).toStdString(), engineDemand_,
      [this](std::shared_ptr<const ruzdo::Talkers> talkers) {
        QMetaObject::invokeMethod(
            this, [this, talkers = std::move(talkers)] { talkersReady(talkers); },
            Qt::QueuedConnection);
      },
      kTalkersNiceness);
}

void TMainForm::talkersReady(std::shared_ptr<const ruzdo::Talkers> talkers) {
  // From now on the babble has them; the sounds made ahead with the
  // utterance's own babble are made again from their plain sounds.
  talkers_ = std::move(talkers);
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
  ruzdo::SynthesisJob job{text,   speed, voice, {}, listeningCondition_, heardNoiseDb().value_or(0),
                          nullptr};
  if (babble(listeningCondition_)) job.talkers = talkers_;
  return job;
}

ruzdo::SynthesisJob TMainForm::withPlainSound(ruzdo::SynthesisJob job) {
  if (!job.condition.empty()) job.made = speechCache_->find(job.plain());
  return job;
}
