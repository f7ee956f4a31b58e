// Speech output: the engine's texts for numbers and sequences, what the
// plates and the questions are said as, what the speech service makes ahead
// for them, and playback.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "Unit1.h"
#include "core/question_said.h"
#include "core/speech_text.h"
#include "core/speech_voice.h"
#include "core/value_text.h"
#include "platform/audio_player.h"
#include "speech/speech_service.h"
#include "widgets/group_bar_group.h"
#include "widgets/group_bar_item.h"
#include "widgets/notice_line.h"
#include "widgets/plate_button.h"

namespace {

// Made when shown: the interface's language is known by then.
QString noSoundNotice() {
  return QCoreApplication::translate("TMainForm", "Нет вывода звука: речь не будет слышна.");
}

// How long the grid's settings rest before its sounds are made ahead: a
// burst of changes (typing a number, dragging the speed) starts it once.
constexpr int kPrefetchDelayMs = 150;

std::optional<std::string> sequenceText(const QString& text) {
  return ruzdo::SequenceSpeechText(text.toStdString());
}

}  // namespace

void TMainForm::setUpSpeech() {
  prefetchTimer_ = new QTimer(this);
  prefetchTimer_->setSingleShot(true);
  prefetchTimer_->setInterval(kPrefetchDelayMs);
  connect(prefetchTimer_, &QTimer::timeout, this, &TMainForm::prefetchPlates);
  // Whatever changes what the plates say.
  RuzdoPole->installEventFilter(this);
  connect(sSpechSpeed, &QSlider::valueChanged, this, &TMainForm::schedulePrefetch);
  connect(sApply, &QPushButton::clicked, this, &TMainForm::schedulePrefetch);
  connect(gEasy->item(0), &QAbstractButton::clicked, this, &TMainForm::schedulePrefetch);
  connect(gEasy->item(1), &QAbstractButton::clicked, this, &TMainForm::schedulePrefetch);
  connect(sVoice, &QComboBox::currentIndexChanged, this, &TMainForm::schedulePrefetch);
  connect(sVariants, &QCheckBox::toggled, this, &TMainForm::schedulePrefetch);
  connect(speech_, &ruzdo::SpeechService::ready, this, &TMainForm::playWave);
  connect(speech_, &ruzdo::SpeechService::failed, this, [this] {
    // The box runs its own event loop, in which further requests may fail
    // too: they do not stack more boxes on it.
    if (!speechErrorOpen_) {
      speechErrorOpen_ = true;
      SynthesisFailed();
      speechErrorOpen_ = false;
    }
    emit speechFailed();
  });
  // The sounds made ahead with the utterance's own babble are made again.
  connect(speech_, &ruzdo::SpeechService::talkersArrived, this, &TMainForm::schedulePrefetch);
}

void TMainForm::setSpeechEngine(ruzdo::SpeechEngine engine) {
  speech_->setEngine(std::move(engine));
}

ruzdo::SpeechCache& TMainForm::speechCache() { return speech_->cache(); }

bool TMainForm::speechPending() const { return speech_->pending(); }

std::vector<std::string> TMainForm::voicePresets() const {
  std::vector<std::string> presets;
  for (int i = 0; i < sVoice->count(); ++i) {
    const QString name = sVoice->itemData(i).toString();
    if (!name.isEmpty()) presets.push_back(name.toStdString());
  }
  return presets;
}

std::string TMainForm::listeningVoice() const {
  return ruzdo::VoiceKey(sVoice->currentData().toString().toStdString());
}

bool TMainForm::voicesVary() const {
  // "Разные" is the one entry without a preset's name.
  return sVoice->currentIndex() >= 0 && sVoice->currentData().toString().isEmpty();
}

std::string TMainForm::questionVoice() {
  if (!voicesVary()) return listeningVoice();
  // A question drawn ahead has its own sound made ahead, voice and all.
  if (madeAhead()) return ruzdo::RandomVoice(voicePresets());
  // This question takes the voice drawn ahead; the next one is drawn now and
  // its sounds are made while this one is answered.
  const std::string voice =
      nextQuestionVoice_ ? *nextQuestionVoice_ : ruzdo::RandomVoice(voicePresets());
  nextQuestionVoice_ = ruzdo::RandomVoice(voicePresets());
  schedulePrefetch();
  return voice;
}

void TMainForm::setSpeechOnWorker(bool on) {
  speech_->setOnWorker(on);
  schedulePrefetch();
}

void TMainForm::setSoundOutput(ruzdo::SoundOutput* output) { output_ = output; }

ruzdo::SoundOutput& TMainForm::soundOutput() {
  if (output_) return *output_;
  if (!player_) {
    player_ = new ruzdo::AudioPlayer(this);
    connect(player_, &ruzdo::AudioPlayer::unavailable, this,
            [this] { lNotice->setNotice(NoticeLine::Source::Sound, noSoundNotice()); });
    // Sound is back: the notice no longer holds.
    connect(player_, &ruzdo::AudioPlayer::available, this,
            [this] { lNotice->setNotice(NoticeLine::Source::Sound, QString()); });
  }
  return *player_;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == RuzdoPole) {
    switch (event->type()) {
      case QEvent::Paint:
        // Sounds are made ahead only once the window is on the screen.
        if (!painted_) {
          painted_ = true;
          schedulePrefetch();
        }
        break;
      case QEvent::ChildAdded:
      case QEvent::ChildRemoved:
      case QEvent::LayoutRequest:
        schedulePrefetch();
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TMainForm::schedulePrefetch() {
  if (painted_ && speech_->onWorker() && prefetchTimer_) prefetchTimer_->start();
}

void TMainForm::prefetchPlates() {
  if (!speech_->onWorker()) return;
  // What each plate says when clicked, at the present speed and in the
  // listening voice; in the numbers mode these are also the drill's
  // questions, which may come in other voices and readings as well.
  const int speed = sSpechSpeed->value();
  const std::string listening = listeningVoice();
  std::vector<std::string> questionVoices = {listening};
  if (voicesVary() && madeAhead()) {
    questionVoices.clear();  // each question's sound is made when it is drawn
  } else if (voicesVary()) {
    // Made ahead in the next question's voice only: every voice for every
    // plate would be more than can be made ahead, and loads every voice.
    if (!nextQuestionVoice_) nextQuestionVoice_ = ruzdo::RandomVoice(voicePresets());
    questionVoices = {*nextQuestionVoice_};
  }
  std::vector<ruzdo::SpeechService::Utterance> utterances;
  auto add = [&](const std::string& text, const std::string& voice) {
    utterances.emplace_back(text, voice);
  };
  std::vector<int> numbers;
  for (PlateButton* plate : RuzdoPole->Plates()) {
    if (Mode == ruzdo::DrillMode::kNumbers) {
      numbers.push_back(plate->property("Tag").toInt());
      add(ruzdo::NumberSpeechText(numbers.back(), RuzdoPole->Tani()), listening);
    } else if (ruzdo::IsLesson(Mode)) {
      const Said said = lessonSaid(plate->text());
      if (!said.koe.empty()) add(said.koe, listening);
    } else if (const auto text = sequenceText(plate->text())) {
      add(*text, listening);
    }
  }
  for (const std::string& voice : questionVoices)
    for (int value : numbers) {
      const std::string usual = ruzdo::NumberSpeechText(value, RuzdoPole->Tani());
      const int readings = sVariants->isChecked() ? speech_->variantCount(usual) : 1;
      for (int v = 1; v <= readings; ++v)
        add(ruzdo::NumberSpeechText(value, RuzdoPole->Tani(), v), voice);
    }
  speech_->makePlates(utterances, speed);
}

TMainForm::Said TMainForm::numberSaid(std::int32_t value, bool question, bool inSentence) {
  // A question may come in a voice drawn for it and in any accepted reading
  // of its number, and then in a sentence drawn for its counter; a listening
  // click comes in the chosen voice and the usual reading. Nothing is drawn
  // unless those options are on.
  const TTani tani = RuzdoPole->Tani();
  ruzdo::SayingChoice how;
  how.voice = question ? questionVoice() : listeningVoice();
  if (question && sVariants->isChecked())
    how.readings = speech_->variantCount(ruzdo::NumberSpeechText(value, tani));
  if (inSentence) how.carriers = &carriers();
  return ruzdo::SayNumber(value, tani, how);
}

TMainForm::Said TMainForm::sequenceSaid(const QString& text, bool question, bool inSentence) {
  ruzdo::SayingChoice how;
  how.voice = question ? questionVoice() : listeningVoice();
  if (inSentence) how.carriers = &carriers();
  return ruzdo::SaySequence(text.toStdString(), how);
}

void TMainForm::SpeakNumber(std::int32_t value, std::int32_t speed) {
  rememberSaid(numberSaid(value, inQuestionTick_, false));
  Speak(lastSaid_.koe, speed, lastSaid_.voice);
}

void TMainForm::SpeakSequence(const QString& text, std::int32_t speed) {
  rememberSaid(sequenceSaid(text, inQuestionTick_, false));
  if (lastSaid_.koe.empty()) {
    SynthesisFailed();
    return;
  }
  Speak(lastSaid_.koe, speed, lastSaid_.voice);
}

void TMainForm::Speak(const std::string& text, std::int32_t speed, const std::string& voice) {
  const ruzdo::SpeechService::Asked asked = speech_->ask(text, speed, voice);
  switch (asked.kind) {
    case ruzdo::SpeechService::Asked::Kind::kNow:
      playWave(asked.wave);
      break;
    case ruzdo::SpeechService::Asked::Kind::kFailed:
      SynthesisFailed();
      emit speechFailed();
      break;
    case ruzdo::SpeechService::Asked::Kind::kLater:
      break;  // played when it comes
  }
}

void TMainForm::playWave(ruzdo::WaveRef wave) {
  questionSoundPlayed(wave);
  soundOutput().play(std::move(wave));
}

void TMainForm::Beep() { soundOutput().beep(); }
