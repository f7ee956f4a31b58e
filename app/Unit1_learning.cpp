// Learning aids around the drill: what was said, replay, the history of
// answers with its window, drilling the weak values, and keeping the settings.
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QSettings>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include "RuzdoPole.h"
#include "Unit1.h"
#include "core/random_source.h"
#include "drill/answer_log.h"
#include "drill/said_line.h"
#include "history/history_notice.h"
#include "history/history_service.h"
#include "history/history_window.h"
#include "panel_settings.h"
#include "speech/speech_service.h"
#include "training_options_window.h"
#include "widgets/elided_label.h"
#include "widgets/group_bar_group.h"
#include "widgets/group_bar_item.h"
#include "widgets/image_button.h"
#include "widgets/notice_line.h"

void TMainForm::buildLearningAids() {
  connect(bReplay, &QToolButton::clicked, this, &TMainForm::bReplayClick);
  connect(bOptions, &QToolButton::clicked, this, &TMainForm::RzGroup1Items2Click);
  connect(RzGroup1->item(2), &QAbstractButton::clicked, this, &TMainForm::RzGroup1Items2Click);
  // The options apply at once, so they are kept at once.
  connect(fOptions, &TrainingOptionsWindow::changed, this, &TMainForm::saveSettings);
  connect(fOptions->showAnswer, &QCheckBox::toggled, this, [this](bool on) {
    if (!on) markRightPlate(false);
  });
  // Long questions need the time to be heard out: the interval counts from
  // the end of each sentence.
  connect(sSentences, &QCheckBox::toggled, this, &TMainForm::forceAfterSpeechForMode);
  // R also as К: the key's letter on a Russian layout.
  for (const QKeySequence& key : {QKeySequence(Qt::Key_R), QKeySequence(QChar(0x041A)),
                                  QKeySequence(Qt::CTRL | Qt::Key_R), QKeySequence(Qt::Key_F5)}) {
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, this, &TMainForm::bReplayClick);
  }
}

void TMainForm::rememberSaid(Said said) {
  said.condition = listening_.key();
  said.noiseDb = listening_.heardNoiseDb();
  lastSaid_ = std::move(said);
}

void TMainForm::bReplayClick() {
  const int speed = sSpechSpeed->value();
  if (drill_.exists()) {
    // A run, going or paused: its current question, once one was asked.
    // Its own text and voice, so a drawn voice or reading is heard again.
    if (QuestionCount == 0) return;
    const Said& asked = drill_.current().said;
    if (!asked.koe.empty()) Speak(asked.koe, speed, asked.voice);
    return;
  }
  if (!lastSaid_.koe.empty()) Speak(lastSaid_.koe, speed, lastSaid_.voice);
}

void TMainForm::questionEnded(bool wrong, const std::optional<QString>& clicked) {
  // A click before the run's first question has nothing to be compared with.
  if (QuestionCount == 0) return;
  showSaid(drill_.current().said, true, wrong, clicked);
  markRightPlate(wrong);
  answers_->judged(drill_.current(), panelScope(), clicked, wrong);
  if (fHistory && fHistory->isVisible()) fHistory->refresh();
  if (listening_.answered(!wrong)) listeningChanged();
}

void TMainForm::showSaid(const Said& said, bool judged, bool wrong,
                         const std::optional<QString>& clicked) {
  // Over the lines the label holds, shortened with "…" past them (the tool
  // tip and the accessible name keep all of it).
  const QString reading =
      said.koe.empty() ? QString() : QString::fromStdString(speech_->reading(said.koe.c_str()));
  const ruzdo::SaidLine line = ruzdo::SaidLineOf(said, judged, wrong, clicked, reading);
  gInfo->showSaid(line.text, line.accessible, judged && wrong);
}

void TMainForm::openHistory(const QString& folder) {
  ruzdo::HistoryService* history = answers_->open(folder);
  connect(history, &ruzdo::HistoryService::stateChanged, this,
          [this](const ruzdo::HistoryState& state) {
            const ruzdo::HistoryNotice notice = ruzdo::NoticeOfHistory(state);
            lNotice->setNotice(NoticeLine::Source::History, notice.text, notice.tip);
          });
  if (fHistory) fHistory->setHistory(history);
}

ruzdo::HistoryService* TMainForm::history() const { return answers_->history(); }

const std::vector<ruzdo::PastAnswer>& TMainForm::recentAnswers() const {
  return answers_->recent().all();
}

ruzdo::HistoryFilter TMainForm::panelScope() const {
  return ruzdo::HistoryFilter::ofDrill(static_cast<int>(Mode), RuzdoPole->MinRuzdo(),
                                       RuzdoPole->MaxRuzdo(), RuzdoPole->Tani(),
                                       RuzdoPole->Template());
}

void TMainForm::RzGroup1Items1Click() {
  if (!fHistory) {
    fHistory = new HistoryWindow(this, [this] { return panelScope(); });
    fHistory->setHistory(history());
  }
  fHistory->refresh();
  fHistory->show();
  fHistory->raise();
  fHistory->activateWindow();
}

void TMainForm::RzGroup1Items2Click() {
  // Never over what a run needs; during a run the plates keep the keyboard.
  fOptions->showInFront({bStart, bStop, bPause, sMinRuzdo, sMaxRuzdo, RuzdoPole, gInfo},
                        !drill_.exists());
}

void TMainForm::useSettings(std::unique_ptr<QSettings> settings) {
  settings_ = std::move(settings);
  // Restoring an option would store every setting at once, the ones not yet
  // restored too: nothing is stored until all are back.
  restoring_ = true;
  if (settings_) ruzdo::RestorePanelSettings(*this, *settings_);
  restoring_ = false;
}

void TMainForm::saveSettings() {
  if (!settings_ || restoring_) return;
  ruzdo::SavePanelSettings(*this, *settings_);
  settings_->sync();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  saveSettings();
  if (fHistory) fHistory->close();
  fOptions->close();
  QWidget::closeEvent(event);
}
