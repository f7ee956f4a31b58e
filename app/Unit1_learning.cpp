// Learning aids around the drill: what was said, replay, the history of
// answers with its window, drilling the weak values, and keeping the settings.
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
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
#include "core/speech_voice.h"
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

int TMainForm::nextQuestionNumber() {
  const int min = RuzdoPole->MinRuzdo();
  const int max = RuzdoPole->MaxRuzdo();
  if (!sWeakFirst->isChecked()) return min + ruzdo::RandomBelow(max - min + 1);
  return ruzdo::PickWeighted(min, ruzdo::WeakWeights(min, max, recent_));
}

void TMainForm::questionEnded(bool wrong, const std::optional<QString>& clicked) {
  // A click before the run's first question has nothing to be compared with.
  if (QuestionCount == 0) return;
  const Said& asked = drill_.current().said;
  showSaid(asked, true, wrong, clicked);
  markRightPlate(wrong);

  if (Mode == ruzdo::DrillMode::kNumbers) {
    bool isNumber = false;
    const int number = clicked ? clicked->toInt(&isNumber) : -1;
    recent_.push_back({LastNumber, isNumber ? number : -1, wrong});
    if (recent_.size() > ruzdo::kWeakLookBack) recent_.erase(recent_.begin());
  } else if (ruzdo::IsLesson(Mode)) {
    lessonAnswers_.add(
        Mode, {drill_.current().answer, clicked ? clicked->toStdString() : std::string(), wrong});
  }

  if (history_) {
    ruzdo::AnswerRecord r;
    r.askedAt = questionAt_;
    r.runStartedAt = runStartedAt_;
    r.appVersion = QStringLiteral(RUZDO_VERSION);
    r.voice = asked.voice;
    r.sentence = QString::fromStdString(asked.sentence);
    r.variant = asked.variant;
    const ruzdo::HistoryFilter settings = historySettings();
    r.mode = settings.mode;
    r.rangeMin = settings.rangeMin;
    r.rangeMax = settings.rangeMax;
    r.counter = settings.counter;
    r.pattern = settings.pattern;
    for (const std::string& plate : drill_.current().captions)
      r.plates << QString::fromStdString(plate);
    r.question = Mode == ruzdo::DrillMode::kNumbers ? QString::number(LastNumber) : LastText();
    r.answer = clicked;
    r.wrong = wrong;
    r.speechSpeed = questionSpeed_;
    r.condition = QString::fromStdString(asked.condition);
    r.noiseDb = asked.noiseDb;
    if (clicked)
      r.answerMs = static_cast<int>(questionAt_.msecsTo(QDateTime::currentDateTimeUtc()));
    history_->record(r);
  }
  if (fHistory && fHistory->isVisible()) fHistory->refresh();
  if (listening_.answered(!wrong)) listeningChanged();
}

void TMainForm::showSaid(const Said& said, bool judged, bool wrong,
                         const std::optional<QString>& clicked) {
  // What was said and how it went, then the reading, over the lines the
  // label holds, shortened with "…" past them (the tool tip and the
  // accessible name keep all of it). A sentence is shown as it was said.
  QString verdict =
      tr("Сказано: %1")
          .arg(QString::fromStdString(said.sentence.empty() ? said.written : said.sentence));
  // A voice other than the standard one is named, as the learner heard it.
  if (!said.voice.empty())
    verdict +=
        QStringLiteral(" (") +
        QCoreApplication::translate("SpeechVoice", ruzdo::VoiceDisplayName(said.voice).c_str()) +
        QLatin1Char(')');
  if (judged) {
    // A sentence ends with its own stop: no second one after it.
    static const QString kStops = QStringLiteral("。.!?！？");
    if (verdict.isEmpty() || !kStops.contains(verdict.back())) verdict += QLatin1Char('.');
    if (!wrong)
      verdict += tr(" Верно");
    else if (clicked)
      verdict += tr(" Нажато: %1").arg(*clicked);
    else
      verdict += tr(" Ответа не было");
  }
  const QString reading =
      said.koe.empty() ? QString() : QString::fromStdString(speech_->reading(said.koe.c_str()));
  const QString line = reading.isEmpty() ? verdict : verdict + QStringLiteral(" — ") + reading;
  gInfo->showSaid(line, reading.isEmpty() ? verdict : verdict + QStringLiteral("; ") + reading,
                  judged && wrong);
}

void TMainForm::openHistory(const QString& folder) {
  delete history_;
  history_ = new ruzdo::HistoryService(folder, this);
  connect(history_, &ruzdo::HistoryService::stateChanged, this, &TMainForm::historyStateChanged);
  connect(history_, &ruzdo::HistoryService::opened, this,
          [this](const QList<ruzdo::HistoryStore::Recent>& stored) {
            // What the file holds comes before the answers of this session.
            std::vector<ruzdo::PastAnswer> all;
            for (const auto& a : stored) all.push_back({a.asked, a.clicked, a.wrong});
            all.insert(all.end(), recent_.begin(), recent_.end());
            if (all.size() > ruzdo::kWeakLookBack)
              all.erase(all.begin(), all.end() - static_cast<std::ptrdiff_t>(ruzdo::kWeakLookBack));
            recent_ = std::move(all);
          });
  connect(history_, &ruzdo::HistoryService::opened, this,
          [this](const QList<ruzdo::HistoryStore::Recent>&,
                 const QList<ruzdo::HistoryStore::RecentLesson>& stored) {
            std::vector<ruzdo::PastLessonAnswer> older;
            for (qsizetype i = 0; i < stored.size(); ++i) {
              older.push_back(stored[i].answer);
              if (i + 1 == stored.size() || stored[i + 1].mode != stored[i].mode) {
                lessonAnswers_.addOlder(static_cast<ruzdo::DrillMode>(stored[i].mode), older);
                older.clear();
              }
            }
          });
  // Cleared answers no longer weigh the weak values.
  connect(history_, &ruzdo::HistoryService::cleared, this, [this](bool ok) {
    if (!ok) return;
    recent_.clear();
    lessonAnswers_.clear();
  });
  if (fHistory) fHistory->setHistory(history_);
}

void TMainForm::historyStateChanged(const ruzdo::HistoryState& state) {
  const ruzdo::HistoryNotice notice = ruzdo::NoticeOfHistory(state);
  lNotice->setNotice(NoticeLine::Source::History, notice.text, notice.tip);
}

ruzdo::HistoryFilter TMainForm::historySettings() const {
  return ruzdo::HistoryFilter::ofDrill(static_cast<int>(Mode), RuzdoPole->MinRuzdo(),
                                       RuzdoPole->MaxRuzdo(), RuzdoPole->Tani(),
                                       RuzdoPole->Template());
}

void TMainForm::RzGroup1Items1Click() {
  if (!fHistory) {
    fHistory = new HistoryWindow(this, [this] { return historySettings(); });
    fHistory->setHistory(history_);
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
