#include "speech/speaker.h"

#include <QEvent>
#include <QTimer>

#include "platform/audio_player.h"
#include "speech/speech_service.h"

namespace ruzdo {
namespace {

// How long the grid's settings rest before its sounds are made ahead.
constexpr int kPlatesDelayMs = 150;

}  // namespace

Speaker::Speaker(QObject* parent)
    : QObject(parent), service_(new SpeechService(this)), platesTimer_(new QTimer(this)) {
  platesTimer_->setSingleShot(true);
  platesTimer_->setInterval(kPlatesDelayMs);
  connect(platesTimer_, &QTimer::timeout, this, [this] {
    if (service_->onWorker()) emit platesDue();
  });
  connect(service_, &SpeechService::ready, this, &Speaker::play);
  connect(service_, &SpeechService::failed, this, [this] { emit failed(false); });
  // The sounds made ahead with the utterance's own babble are made again.
  connect(service_, &SpeechService::talkersArrived, this, &Speaker::schedulePlates);
}

SoundOutput& Speaker::output() {
  if (output_) return *output_;
  if (!player_) {
    player_ = new AudioPlayer(this);
    connect(player_, &AudioPlayer::unavailable, this, [this] { emit soundAvailable(false); });
    connect(player_, &AudioPlayer::available, this, [this] { emit soundAvailable(true); });
  }
  return *player_;
}

void Speaker::say(const std::string& text, int speed, const std::string& voice) {
  const SpeechService::Asked asked = service_->ask(text, speed, voice);
  switch (asked.kind) {
    case SpeechService::Asked::Kind::kNow:
      play(asked.wave);
      break;
    case SpeechService::Asked::Kind::kFailed:
      emit failed(true);
      break;
    case SpeechService::Asked::Kind::kLater:
      break;  // played when it comes
  }
}

void Speaker::play(WaveRef wave) {
  emit playing(wave);
  output().play(std::move(wave));
}

void Speaker::beep() { output().beep(); }

void Speaker::schedulePlates() {
  if (painted_ && service_->onWorker()) platesTimer_->start();
}

bool Speaker::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Paint:
      // Sounds are made ahead only once the window is on the screen.
      if (!painted_) {
        painted_ = true;
        schedulePlates();
      }
      break;
    case QEvent::ChildAdded:
    case QEvent::ChildRemoved:
    case QEvent::LayoutRequest:
      schedulePlates();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace ruzdo
