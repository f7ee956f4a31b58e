// Speech output: the engine's texts for numbers and sequences, synthesis,
// the waveform cache and playback.
#include <QApplication>
#include <QLabel>

#include "Unit1.h"
#include "core/speech_text.h"
#include "onsei/onsei.h"
#include "platform/audio_player.h"
#include "platform/message_box.h"
#include "platform/speech_cache.h"

void TMainForm::setSpeechEngine(SynthFunction synthesise, FreeFunction release) {
  synthesise_ = std::move(synthesise);
  release_ = std::move(release);
  speechCache_->clear();
}

void TMainForm::setSoundOutput(ruzdo::SoundOutput* output) { output_ = output; }

ruzdo::SoundOutput& TMainForm::soundOutput() {
  if (output_) return *output_;
  if (!player_) {
    player_ = new ruzdo::AudioPlayer(this);
    connect(player_, &ruzdo::AudioPlayer::unavailable, this,
            [this] { showNotice(QStringLiteral("Нет вывода звука: речь не будет слышна.")); });
  }
  return *player_;
}

void TMainForm::showNotice(const QString& text) {
  lNotice->setText(text);
  lNotice->setVisible(true);
}

void TMainForm::SpeakNumber(std::int32_t value, std::int32_t speed) {
  const std::string text = ruzdo::NumberSpeechText(value, RuzdoPole->Tani());
  Speak(QByteArray(text.data(), static_cast<qsizetype>(text.size())), speed);
}

void TMainForm::SpeakSequence(const QString& text, std::int32_t speed) {
  const auto sjis = ruzdo::SequenceSpeechText(text.toStdString());
  if (!sjis) {
    // A character Shift-JIS cannot hold: the engine could not read it either.
    SynthesisFailed();
    return;
  }
  Speak(QByteArray(sjis->data(), static_cast<qsizetype>(sjis->size())), speed);
}

void TMainForm::Speak(const QByteArray& text, std::int32_t speed) {
  const std::string key = text.toStdString();
  ruzdo::WaveRef wave = speechCache_->find(key, speed);
  if (!wave) {
    int size = 0;
    unsigned char* image = synthesise_(text.constData(), speed, &size);
    if (!image) {
      SynthesisFailed();
      return;
    }
    wave =
        std::make_shared<const ruzdo::WaveImage>(image, static_cast<std::size_t>(size), release_);
    speechCache_->insert(key, speed, wave);
  }
  soundOutput().play(std::move(wave));
}

void TMainForm::Beep() { soundOutput().beep(); }
