// Speech on the window: what the plates and the questions are said as, in
// which voice, what is made ahead for the plates, and the speaker's wiring.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QSlider>
#include <optional>

#include "Unit1.h"
#include "core/question_said.h"
#include "core/speech_text.h"
#include "core/value_text.h"
#include "speech/speaker.h"
#include "speech/speech_service.h"
#include "widgets/group_bar_group.h"
#include "widgets/group_bar_item.h"
#include "widgets/notice_line.h"
#include "widgets/plate_button.h"

void TMainForm::setUpSpeech() {
  speaker_->watchPlates(RuzdoPole);
  connect(speaker_, &ruzdo::Speaker::platesDue, this, &TMainForm::prefetchPlates);
  // Whatever changes what the plates say.
  connect(sSpechSpeed, &QSlider::valueChanged, this, &TMainForm::schedulePrefetch);
  connect(sApply, &QPushButton::clicked, this, &TMainForm::schedulePrefetch);
  connect(gEasy->item(0), &QAbstractButton::clicked, this, &TMainForm::schedulePrefetch);
  connect(gEasy->item(1), &QAbstractButton::clicked, this, &TMainForm::schedulePrefetch);
  connect(sVoice, &QComboBox::currentIndexChanged, this, &TMainForm::schedulePrefetch);
  connect(sVariants, &QCheckBox::toggled, this, &TMainForm::schedulePrefetch);
  connect(speaker_, &ruzdo::Speaker::playing, this, &TMainForm::questionSoundPlayed);
  connect(speaker_, &ruzdo::Speaker::soundAvailable, this, [this](bool available) {
    // Made when shown: the interface's language is known by then.
    lNotice->setNotice(NoticeLine::Source::Sound,
                       available ? QString()
                                 : QCoreApplication::translate(
                                       "TMainForm", "Нет вывода звука: речь не будет слышна."));
  });
  connect(speaker_, &ruzdo::Speaker::failed, this, [this](bool now) {
    // The box runs its own event loop, in which further requests may fail
    // too: those failing on the worker do not stack more boxes on it.
    if (now) {
      SynthesisFailed();
    } else if (!speechErrorOpen_) {
      speechErrorOpen_ = true;
      SynthesisFailed();
      speechErrorOpen_ = false;
    }
    emit speechFailed();
  });
}

void TMainForm::setSpeechEngine(ruzdo::SpeechEngine engine) {
  speech_->setEngine(std::move(engine));
}

ruzdo::SpeechCache& TMainForm::speechCache() { return speech_->cache(); }

bool TMainForm::speechPending() const { return speech_->pending(); }

void TMainForm::setSoundOutput(ruzdo::SoundOutput* output) { speaker_->setOutput(output); }

void TMainForm::setSpeechOnWorker(bool on) {
  speech_->setOnWorker(on);
  schedulePrefetch();
}

void TMainForm::schedulePrefetch() { speaker_->schedulePlates(); }

ruzdo::VoiceChoice& TMainForm::voices() {
  // "Разные" is the one entry without a preset's name.
  std::vector<std::string> presets;
  for (int i = 0; i < sVoice->count(); ++i)
    if (const QString name = sVoice->itemData(i).toString(); !name.isEmpty())
      presets.push_back(name.toStdString());
  std::optional<std::string> chosen;
  if (sVoice->currentIndex() >= 0) chosen = sVoice->currentData().toString().toStdString();
  voices_.setPicker(std::move(presets), std::move(chosen));
  return voices_;
}

std::string TMainForm::listeningVoice() { return voices().listening(); }

std::string TMainForm::questionVoice() {
  bool nextDrawn = false;
  const std::string voice = voices().question(madeAhead(), nextDrawn);
  // The next question's voice drawn: the plates' sounds are made in it.
  if (nextDrawn) schedulePrefetch();
  return voice;
}

void TMainForm::prefetchPlates() {
  // What each plate says when clicked, at the present speed and in the
  // listening voice; in the numbers mode these are also the drill's
  // questions, which may come in other voices and readings as well.
  const int speed = sSpechSpeed->value();
  const std::string listening = listeningVoice();
  const std::vector<std::string> questionVoices = voices().aheadVoices(madeAhead());
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
    } else if (const auto text = ruzdo::SequenceSpeechText(plate->text().toStdString())) {
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
  speaker_->say(text, speed, voice);
}

void TMainForm::Beep() { speaker_->beep(); }
