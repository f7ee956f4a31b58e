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
#include "drill/question_planner.h"
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

void TMainForm::prefetchPlates() {
  speech_->makePlates(planner_->plateSounds(), sSpechSpeed->value());
}

void TMainForm::SpeakNumber(std::int32_t value, std::int32_t speed) {
  rememberSaid(planner_->numberSaid(value, inQuestionTick_, false));
  Speak(lastSaid_.koe, speed, lastSaid_.voice);
}

void TMainForm::SpeakSequence(const QString& text, std::int32_t speed) {
  rememberSaid(planner_->sequenceSaid(text, inQuestionTick_, false));
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
