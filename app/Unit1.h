#pragma once

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "RuzdoPole.h"
#include "core/drill_run.h"
#include "core/listening_setting.h"
#include "core/weak_picker.h"
#include "drill/question_pacer.h"
#include "platform/wave_image.h"
#include "settings_column.h"
#include "speech/speech_engine.h"

class ElidedLabel;
class QScrollArea;
class GroupBar;
class HistoryWindow;
class QCheckBox;
class QSettings;
class QToolButton;
class GroupBarGroup;
class ImageButton;
class NoticeLine;
class PaneSplitter;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimer;
class PlateButton;
class TfAbout;
class TrainingOptionsWindow;
namespace ruzdo {
class SoundOutput;
class SpeechCache;
class SpeechService;
class Speaker;
class AnswerLog;
class HistoryService;
struct HistoryFilter;
class RightPlateMark;
class QuestionPlanner;
}  // namespace ruzdo

// The main window: the mode menu on the left, the plate grid in the middle and
// the settings column on the right; the drill, speech output and settings are
// its methods (Unit1_*.cpp by concern).
class TMainForm : public QWidget {
  Q_OBJECT
 public:
  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  // The voice the last thing spoken was said in ("" the standard one).
  const std::string& lastSaidVoice() const { return lastSaid_.voice; }

  // The About window shown by the Help group's item; not owned.
  void setAboutWindow(TfAbout* about) { fAbout = about; }

  // The speech engine (the built-in one unless replaced) and where sounds
  // go (the system's audio output unless replaced; not owned).
  void setSpeechEngine(ruzdo::SpeechEngine engine);
  void setSoundOutput(ruzdo::SoundOutput* output);
  ruzdo::SpeechCache& speechCache();
  // Whether the engine runs on a worker thread, with the plates' sounds made
  // ahead in the background: so for the built-in engine; an engine given to
  // setSpeechEngine is called in order on the caller's thread unless this is
  // turned on again.
  void setSpeechOnWorker(bool on);
  // Whether a synthesis asked for (not ahead) has yet to come back.
  bool speechPending() const;
  // Whether the next question is drawn and its sound made ahead.
  bool nextQuestionReady() const;

  // Where the speech is heard: a listening condition's key ("" quiet, the
  // default: the sound exactly as the engine makes it), and the learner's
  // speech-to-noise level, which answers in a noisy condition move (two
  // right a step harder, a miss a step easier). Both are kept in the
  // settings; plates clicked to listen are heard the same way.
  void setListeningCondition(const QString& key);
  QString listeningCondition() const { return QString::fromStdString(listening_.key()); }
  void setNoiseLevelDb(double db);
  double noiseLevelDb() const { return listening_.levelDb(); }
  // The other talkers of the crowd and the station are got in the background
  // once such a condition is chosen; until they are at hand, the babble is
  // made of the utterance itself. They are kept in a file in folder (the
  // user's cache folder in the program; nowhere unless given) and made by
  // the speech engine.
  void useBabbleCache(const QString& folder);
  bool babbleReady() const;

  // --- drill state: the run and its question (core/drill_run.h), by the
  // names the window's design gives them ---
 private:
  ruzdo::DrillRun drill_;

 public:
  std::int32_t& QuestionCount = drill_.QuestionCount;
  std::int32_t& ErrorCount = drill_.ErrorCount;
  bool& Answered = drill_.Answered;
  const std::int32_t& LastNumber = drill_.current().number;  // -1 before a number question
  // The caption asked by a question of plates with captions; "" otherwise.
  QString LastText() const;
  ruzdo::DrillMode Mode = ruzdo::DrillMode::kNumbers;

  // --- controls, named as the window's design names them ---
  PaneSplitter* RzSplitter1 = nullptr;
  PaneSplitter* RzSplitter2 = nullptr;
  PaneSplitter* RzSplitter3 = nullptr;
  PaneSplitter* RzSplitter4 = nullptr;
  GroupBar* RzGroupBar1 = nullptr;
  GroupBarGroup* gEasy = nullptr;
  GroupBarGroup* gMid = nullptr;
  GroupBarGroup* gDifficult = nullptr;
  GroupBarGroup* RzGroup1 = nullptr;
  QFrame* Panel1 = nullptr;
  TRuzdoPole* RuzdoPole = nullptr;
  SettingsColumn* pSetting = nullptr;
  RunButtons* pRunButtons = nullptr;
  QWidget* pGroups = nullptr;
  QScrollArea* pGroupsScroll = nullptr;  // holds pGroups; scrolls in a short window
  QWidget* pNotice = nullptr;            // the pane under the group boxes: notices
  NoticeLine* lNotice = nullptr;         // sound and the history of answers
  ImageButton* bStart = nullptr;
  ImageButton* bStop = nullptr;
  ImageButton* bPause = nullptr;
  GenerateGroup* gGenerate = nullptr;
  QSpinBox* sMinRuzdo = nullptr;
  QSpinBox* sMaxRuzdo = nullptr;
  QComboBox* sTani = nullptr;
  QLineEdit* sTemplate = nullptr;
  QSlider* sSpechSpeed = nullptr;
  QSlider* sTimerInterval = nullptr;
  QSpinBox* sMaxQuestion = nullptr;
  FieldGroup* gRuzdoPoleSetting = nullptr;
  QSpinBox* sCols = nullptr;
  QSpinBox* sRows = nullptr;
  QSpinBox* sIndention = nullptr;
  QPushButton* sApply = nullptr;
  QPushButton* sCancel = nullptr;
  StatisticsGroup* gInfo = nullptr;
  QLabel* lAll = nullptr;
  QFrame* pErr = nullptr;
  QLabel* lErr = nullptr;
  QTimer* tMain = nullptr;
  QTimer* tMarker = nullptr;
  QToolButton* bReplay = nullptr;   // says the question again
  QToolButton* bOptions = nullptr;  // opens «Параметры обучения»
  // «Параметры обучения» and the options in it (owned by the window).
  TrainingOptionsWindow* fOptions = nullptr;
  QComboBox* sVoice = nullptr;      // the engine's voice presets, then "Разные"
  QCheckBox* sVariants = nullptr;   // a random accepted reading per question
  QCheckBox* sWeakFirst = nullptr;  // draws recently missed values more often
  QCheckBox* sSentences = nullptr;  // questions said inside sentences
  // In «Статистика» below the counts, a label a line: what a run shows.
  QWidget* pRunLines = nullptr;
  ElidedLabel* lSaid = nullptr;      // what the last question or plate said
  ElidedLabel* lRunState = nullptr;  // «Пауза» while paused, the summary after a run
  HistoryWindow* fHistory = nullptr;

  // --- drill ---
  void ResetStats();
  void ShowStats();
  void RegisterError();
  void tMarkerTimer();
  void tMainTimer();
  void bStartClick();
  void bStopClick();
  void bPauseClick();
  void RuzdoPoleButtonClick(int num, const QString& tel);
  // Start and the settings a run would change enabled while idle, Pause during a run.
  void enableRunControls(bool idle);
  // Synthesis failed: stops a run going on, then shows "Err" once.
  void SynthesisFailed();

  // --- speech ---
  void SpeakNumber(std::int32_t value, std::int32_t speed);
  void SpeakSequence(const QString& text, std::int32_t speed);
  // A lesson's plate said from its caption, as a listening click hears it.
  void SpeakLessonItem(const QString& caption, std::int32_t speed);
  // voice: a preset's name, or empty for the standard voice.
  void Speak(const std::string& text, std::int32_t speed, const std::string& voice = {});

  // --- settings ---
  bool ApplySettings();  // false when the settings were refused and nothing changed
  void ShowFieldSettings();
  void sApplyClick();
  void sCancelClick();
  void gEasyItems0Click();
  void gEasyItems1Click();
  // A mode chosen: the panel's controls it uses, the grid in line.
  void SwitchMode(ruzdo::DrillMode mode);
  void FillCounterPicker();
  void sTimerIntervalChange();
  void RzGroup1Items0Click();

  // --- learning aids (Unit1_learning.cpp) ---
  // Restores the panel and the window from these settings now and saves
  // them there on Apply and when the window closes.
  void useSettings(std::unique_ptr<QSettings> settings);
  void saveSettings();
  // Keeps the answered questions in the history in folder, written on a
  // thread of its own; while it cannot be written, the notice area says why
  // and the answers wait.
  void openHistory(const QString& folder);
  ruzdo::HistoryService* history() const;
  // The answers "Чаще ошибочные" weighs, oldest first.
  const std::vector<ruzdo::PastAnswer>& recentAnswers() const;
  void bReplayClick();
  void RzGroup1Items1Click();  // "История ответов"
  void RzGroup1Items2Click();  // «Параметры обучения»

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  using Said = ruzdo::Said;
  void buildLearningAids();
  // Keeps what was said, heard under the present listening condition.
  void rememberSaid(Said said);
  // What the drill asks and how things are said (drill/question_planner).
  std::unique_ptr<ruzdo::QuestionPlanner> planner_;
  void askQuestion(ruzdo::Question q);
  void questionEnded(bool wrong, const std::optional<QString>& clicked);
  void showSaid(const Said& said, bool judged, bool wrong, const std::optional<QString>& clicked);
  // The panel's settings a question is asked with, as the history keeps them.
  ruzdo::HistoryFilter panelScope() const;

  void FormCreate();
  void FormDestroy();
  void buildWorkArea();
  // The design's names of the settings column's controls.
  void nameSettingControls();
  void buildGroupBar();
  void buildOptionsWindow();
  void fitToScreen();

  // --- feedback (Unit1_feedback.cpp) ---
  void buildFeedback();
  void beforeQuestion();
  void questionSoundPlayed(const ruzdo::WaveRef& wave);
  void markRightPlate(bool on);
  // An error counted: the counts shown and the panel flashed red.
  void showError();
  ruzdo::RightPlateMark* mark_ = nullptr;
  ruzdo::QuestionPacer pacer_;
  void setTabOrder();
  void connectEvents();

  void Beep();
  // --- lessons (Unit1_lessons.cpp) ---
  // The lessons' items in «Средние» and «Сложные».
  void buildLessonItems();
  // The grid for the mode: a lesson's plates drawn by the lesson, typed as it
  // says; a plate per number otherwise.
  void fitGridToMode();
  // Long questions need the time to be heard out: «Интервал после речи» is
  // on in sentences and in the lessons.
  void forceAfterSpeechForMode();

  TfAbout* fAbout = nullptr;
  // What the window says and where it is heard, with the speech service
  // (the speech engine's one caller, with the sound cache).
  ruzdo::Speaker* speaker_;
  ruzdo::SpeechService* speech_;
  bool inQuestionTick_ = false;

  Said lastSaid_;                        // the last thing spoken: replayed while idle
  ruzdo::AnswerLog* answers_ = nullptr;  // the history and the recent answers
  std::unique_ptr<QSettings> settings_;
  bool restoring_ = false;

 signals:
  // Synthesis of an utterance failed (after its "Err" box was closed).
  void speechFailed();

 private:
  void setUpSpeech();
  void schedulePrefetch();
  void prefetchPlates();
  void setUpConditions();
  // The condition or its level changed: the speech service and the
  // statistics told, the sounds made ahead again.
  void listeningChanged();

  ruzdo::ListeningSetting listening_;
  QComboBox* sCondition = nullptr;  // «Условия» in «Параметры обучения»
  bool speechErrorOpen_ = false;
};
