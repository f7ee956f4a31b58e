// Listening conditions: where the speech is heard (quiet, a phone line, a
// street, a crowd, a station) and the learner's noise level, which follows
// the answers. The sounds are conditioned where they are made.
#include <QComboBox>
#include <QCoreApplication>
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
    sCondition->addItem(
        QCoreApplication::translate("ListeningCondition", std::string(info.name).c_str()),
        utf8(info.key));
    sCondition->setItemData(
        sCondition->count() - 1,
        QCoreApplication::translate("ListeningCondition", std::string(info.description).c_str()),
        Qt::ToolTipRole);
  }
  sCondition->setToolTip(sCondition->itemData(0, Qt::ToolTipRole).toString());
  connect(sCondition, &QComboBox::currentIndexChanged, this, [this] {
    sCondition->setToolTip(sCondition->currentData(Qt::ToolTipRole).toString());
    setListeningCondition(sCondition->currentData().toString());
  });

  // A row of its own in the statistics, above what was said.
  lNoise = new QLabel(pRunLines);
  lNoise->setObjectName(QStringLiteral("lNoise"));
  lNoise->setTextFormat(Qt::PlainText);
  runLines->insertWidget(0, lNoise);
  lNoise->setToolTip(
      tr("Речь громче шума на столько децибел (меньше — труднее). Два верных "
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
  // The level is how much louder the speech is than the noise: said so, in
  // the words of what it means to the listener.
  const double db = noiseLevel_.levelDb();
  const QString text = db > 0   ? tr("Речь громче шума на %1 дБ").arg(db)
                       : db < 0 ? tr("Речь тише шума на %1 дБ").arg(-db)
                                : tr("Речь и шум одной громкости");
  lNoise->setText(text);
  lNoise->setAccessibleName(text);
  lNoise->setVisible(noisy(listeningCondition_));
}

std::optional<double> TMainForm::heardNoiseDb() const {
  if (!noisy(listeningCondition_)) return std::nullopt;
  return noiseLevel_.levelDb();
}
