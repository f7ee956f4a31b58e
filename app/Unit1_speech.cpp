// Speech output: the engine's texts for numbers and sequences, synthesis on
// worker threads, the waveform cache, sounds made ahead, and playback.
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <optional>

#include "Unit1.h"
#include "core/speech_text.h"
#include "onsei/onsei.h"
#include "platform/audio_player.h"
#include "platform/speech_cache.h"
#include "platform/synthesis_worker.h"
#include "widgets/group_bar_group.h"
#include "widgets/group_bar_item.h"
#include "widgets/plate_button.h"

namespace {

const QString kNoSoundNotice = QStringLiteral("Нет вывода звука: речь не будет слышна.");

// How long the grid's settings rest before its sounds are made ahead: a
// burst of changes (typing a number, dragging the speed) starts it once.
constexpr int kPrefetchDelayMs = 150;
// The sounds made ahead run at a lower priority than the rest of the program.
constexpr int kPrefetchNiceness = 10;

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
  startSpeechWorkers();
}

void TMainForm::startSpeechWorkers() {
  // The old workers finish what they are doing before the new ones start;
  // their results still on the way are dropped with the cache.
  speechWorker_.reset();
  prefetchWorker_.reset();
  wanted_ = false;
  if (!speechOnWorker_) return;
  auto done = [this](const ruzdo::SynthesisJob& job, ruzdo::WaveRef wave) {
    QMetaObject::invokeMethod(
        this, [this, job, wave = std::move(wave)] { speechReady(job, wave); },
        Qt::QueuedConnection);
  };
  speechWorker_ = std::make_unique<ruzdo::SynthesisWorker>(synthesise_, release_, done);
  prefetchWorker_ =
      std::make_unique<ruzdo::SynthesisWorker>(synthesise_, release_, done, kPrefetchNiceness);
  schedulePrefetch();
}

void TMainForm::setSpeechEngine(SynthFunction synthesise, FreeFunction release) {
  synthesise_ = std::move(synthesise);
  release_ = std::move(release);
  speechOnWorker_ = false;
  startSpeechWorkers();
  speechCache_->clear();
}

void TMainForm::setSpeechOnWorker(bool on) {
  speechOnWorker_ = on;
  startSpeechWorkers();
}

void TMainForm::setSoundOutput(ruzdo::SoundOutput* output) { output_ = output; }

ruzdo::SoundOutput& TMainForm::soundOutput() {
  if (output_) return *output_;
  if (!player_) {
    player_ = new ruzdo::AudioPlayer(this);
    connect(player_, &ruzdo::AudioPlayer::unavailable, this,
            [this] { showNotice(kNoSoundNotice); });
    // Sound is back: the notice no longer holds.
    connect(player_, &ruzdo::AudioPlayer::available, this, [this] {
      if (lNotice->text() == kNoSoundNotice) lNotice->setVisible(false);
    });
  }
  return *player_;
}

void TMainForm::showNotice(const QString& text) {
  lNotice->setText(text);
  lNotice->setVisible(true);
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
  if (painted_ && prefetchWorker_ && prefetchTimer_) prefetchTimer_->start();
}

void TMainForm::prefetchPlates() {
  if (!prefetchWorker_) return;
  // What each plate says when clicked, at the present speed; in the numbers
  // mode these are also the drill's questions.
  const int speed = sSpechSpeed->value();
  std::vector<ruzdo::SynthesisJob> jobs;
  for (PlateButton* plate : RuzdoPole->Plates()) {
    std::optional<std::string> text;
    if (Mode == 0)
      text = ruzdo::NumberSpeechText(plate->property("Tag").toInt(), RuzdoPole->Tani());
    else
      text = sequenceText(plate->text());
    if (text && !speechCache_->find(*text, speed)) jobs.push_back({*text, speed, {}, {}});
  }
  prefetchWorker_->post(std::move(jobs));
}

void TMainForm::SpeakNumber(std::int32_t value, std::int32_t speed) {
  const std::string text = ruzdo::NumberSpeechText(value, RuzdoPole->Tani());
  Speak(QByteArray(text.data(), static_cast<qsizetype>(text.size())), speed);
}

void TMainForm::SpeakSequence(const QString& text, std::int32_t speed) {
  const auto sjis = sequenceText(text);
  if (!sjis) {
    // A character Shift-JIS cannot hold: the engine could not read it either.
    SynthesisFailed();
    return;
  }
  Speak(QByteArray(sjis->data(), static_cast<qsizetype>(sjis->size())), speed);
}

void TMainForm::Speak(const QByteArray& text, std::int32_t speed) {
  const std::string key = text.toStdString();
  if (ruzdo::WaveRef wave = speechCache_->find(key, speed)) {
    // The newest request wins over one still being synthesised.
    wanted_ = false;
    if (speechWorker_) speechWorker_->cancel();
    playWave(std::move(wave));
    return;
  }
  if (speechWorker_) {
    wantedText_ = key;
    wantedSpeed_ = speed;
    wanted_ = true;
    const ruzdo::SynthesisJob job{key, speed, {}, {}};
    // One being made ahead right now is not made twice.
    if (prefetchWorker_ && prefetchWorker_->busyWith(job))
      speechWorker_->cancel();
    else
      speechWorker_->post({job});
    return;
  }
  int size = 0;
  unsigned char* image = synthesise_(text.constData(), speed, &size);
  if (!image) {
    SynthesisFailed();
    emit speechFailed();
    return;
  }
  auto wave =
      std::make_shared<const ruzdo::WaveImage>(image, static_cast<std::size_t>(size), release_);
  speechCache_->insert(key, speed, wave);
  playWave(std::move(wave));
}

void TMainForm::speechReady(const ruzdo::SynthesisJob& job, ruzdo::WaveRef wave) {
  if (wave) speechCache_->insert(job.text, job.speed, wave);
  if (!wanted_ || job.text != wantedText_ || job.speed != wantedSpeed_) return;
  // A failure made ahead waits for the same request's own try, if one is due.
  if (!wave && speechWorker_ && speechWorker_->has(job)) return;
  wanted_ = false;
  if (!wave) {
    // The box runs its own event loop, in which further requests may fail
    // too: they do not stack more boxes on it.
    if (!speechErrorOpen_) {
      speechErrorOpen_ = true;
      SynthesisFailed();
      speechErrorOpen_ = false;
    }
    emit speechFailed();
    return;
  }
  playWave(std::move(wave));
}

void TMainForm::playWave(ruzdo::WaveRef wave) { soundOutput().play(std::move(wave)); }

void TMainForm::Beep() { soundOutput().beep(); }
