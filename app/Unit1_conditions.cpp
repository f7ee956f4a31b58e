// Listening conditions: where the speech is heard (quiet, a phone line, a
// street, a crowd, a station) and the learner's noise level, which follows
// the answers. The sounds are conditioned where they are made.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <algorithm>

#include "Unit1.h"
#include "listening_picker.h"
#include "speech/speech_service.h"
#include "training_options_window.h"

void TMainForm::setUpConditions() {
  // «Условия» in «Как звучит» of «Параметры обучения».
  sCondition = fOptions->choice("condition");
  ruzdo::FillListeningPicker(sCondition);
  connect(sCondition, &QComboBox::currentIndexChanged, this,
          [this] { setListeningCondition(sCondition->currentData().toString()); });
  gInfo->showNoiseLevel(listening_.levelDb(), listening_.noisy());
}

void TMainForm::setListeningCondition(const QString& key) {
  if (!listening_.setKey(key.toStdString())) return;
  if (sCondition)
    sCondition->setCurrentIndex(
        std::max(0, sCondition->findData(QString::fromStdString(listening_.key()))));
  listeningChanged();
}

void TMainForm::useBabbleCache(const QString& folder) {
  speech_->useTalkersFile(
      folder.isEmpty()
          ? std::string()
          : QFile::encodeName(QDir(folder).filePath(QStringLiteral("talkers.bin"))).toStdString());
}

bool TMainForm::babbleReady() const { return speech_->talkersReady(); }

void TMainForm::setNoiseLevelDb(double db) {
  listening_.setLevelDb(db);
  listeningChanged();
}

void TMainForm::listeningChanged() {
  // The sounds are made again as they are now heard.
  speech_->setCondition(listening_.key(), listening_.heardNoiseDb());
  gInfo->showNoiseLevel(listening_.levelDb(), listening_.noisy());
  schedulePrefetch();
}
