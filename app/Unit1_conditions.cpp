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
#include "speech/speech_service.h"
#include "training_options_window.h"

namespace {

QString utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool noisy(const std::string& key) {
  return ruzdo::ConditionInfo(ruzdo::ConditionFromKey(key)).noisy;
}

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
  speech_->setCondition(k, heardNoiseDb());
  showNoiseLevel();
  schedulePrefetch();
}

void TMainForm::useBabbleCache(const QString& folder) {
  speech_->useTalkersFile(
      folder.isEmpty()
          ? std::string()
          : QFile::encodeName(QDir(folder).filePath(QStringLiteral("talkers.bin"))).toStdString());
}

bool TMainForm::babbleReady() const { return speech_->talkersReady(); }

void TMainForm::setNoiseLevelDb(double db) {
  noiseLevel_ = ruzdo::NoiseStaircase(db);
  speech_->setCondition(listeningCondition_, heardNoiseDb());
  showNoiseLevel();
  schedulePrefetch();
}

void TMainForm::noiseAnswered(bool right) {
  if (!noisy(listeningCondition_)) return;
  const double before = noiseLevel_.levelDb();
  noiseLevel_.answer(right);
  if (noiseLevel_.levelDb() == before) return;
  speech_->setCondition(listeningCondition_, heardNoiseDb());
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
