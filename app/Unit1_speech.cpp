// Speech output: the engine's texts for numbers and sequences, synthesis on
// worker threads, the waveform cache, sounds made ahead, and playback.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "Unit1.h"
#include "core/carrier_sentences.h"
#include "core/speech_text.h"
#include "core/speech_voice.h"
#include "core/value_text.h"
#include "onsei/onsei.h"
#include "platform/audio_player.h"
#include "platform/speech_cache.h"
#include "platform/synthesis_worker.h"
#include "widgets/group_bar_group.h"
#include "widgets/group_bar_item.h"
#include "widgets/notice_line.h"
#include "widgets/plate_button.h"

namespace {

const QString kNoSoundNotice = QStringLiteral("Нет вывода звука: речь не будет слышна.");

// How long the grid's settings rest before its sounds are made ahead: a
// burst of changes (typing a number, dragging the speed) starts it once.
constexpr int kPrefetchDelayMs = 150;
// The sounds made ahead run at a lower priority than the rest of the program.
constexpr int kPrefetchNiceness = 10;
// At most this many sounds are made ahead: the plates' in the listening
// voice first, then the other voices and readings the questions may take.
// They fit the cache at one speed.
constexpr std::size_t kMostMadeAhead = 100;

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
  startSpeechWorkers();
}

void TMainForm::startSpeechWorkers() {
  // The old workers finish what they are doing before the new ones start;
  // their results still on the way are dropped with the cache.
  speechWorker_.reset();
  prefetchWorker_.reset();
  aheadWorker_.reset();
  wanted_ = false;
  if (!speechOnWorker_) return;
  auto done = [this](const ruzdo::SynthesisJob& job, ruzdo::WaveRef wave) {
    QMetaObject::invokeMethod(
        this, [this, job, wave = std::move(wave)] { speechReady(job, wave); },
        Qt::QueuedConnection);
  };
  // The talkers of the babble are made only while none of these has work.
  speechWorker_ =
      std::make_unique<ruzdo::SynthesisWorker>(engine(), release_, done, 0, engineDemand_);
  prefetchWorker_ = std::make_unique<ruzdo::SynthesisWorker>(engine(), release_, done,
                                                             kPrefetchNiceness, engineDemand_);
  aheadWorker_ =
      std::make_unique<ruzdo::SynthesisWorker>(engine(), release_, done, 0, engineDemand_);
  schedulePrefetch();
}

ruzdo::SynthesisWorker::Synthesise TMainForm::engine() const {
  // By value: a worker keeps the engines it started with.
  return [plain = synthesise_, voiced = synthesiseVoice_](const char* koe, int speed,
                                                          const char* voice, int* size) {
    return voice && *voice ? voiced(koe, speed, voice, size) : plain(koe, speed, size);
  };
}

void TMainForm::setSpeechEngine(SynthFunction synthesise, FreeFunction release) {
  synthesise_ = std::move(synthesise);
  synthesiseVoice_ = [plain = synthesise_](const char* koe, int speed, const char*, int* size) {
    return plain(koe, speed, size);
  };
  release_ = std::move(release);
  speechOnWorker_ = false;
  startSpeechWorkers();
  speechCache_->clear();
}

void TMainForm::setVoiceEngine(VoiceSynthFunction synthesise) {
  synthesiseVoice_ = std::move(synthesise);
  startSpeechWorkers();
  speechCache_->clear();
}

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
  speechOnWorker_ = on;
  startSpeechWorkers();
}

void TMainForm::setSoundOutput(ruzdo::SoundOutput* output) { output_ = output; }

ruzdo::SoundOutput& TMainForm::soundOutput() {
  if (output_) return *output_;
  if (!player_) {
    player_ = new ruzdo::AudioPlayer(this);
    connect(player_, &ruzdo::AudioPlayer::unavailable, this,
            [this] { lNotice->setNotice(NoticeLine::Source::Sound, kNoSoundNotice); });
    // Sound is back: the notice no longer holds.
    connect(player_, &ruzdo::AudioPlayer::available, this,
            [this] { lNotice->setNotice(NoticeLine::Source::Sound, QString()); });
  }
  return *player_;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pGroups && event->type() == QEvent::Resize) fitInfoGroup();
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
  std::vector<ruzdo::SynthesisJob> jobs;
  auto add = [&](const std::string& text, const std::string& voice) {
    ruzdo::SynthesisJob job = soundJob(text, speed, voice);
    if (jobs.size() < kMostMadeAhead && !speechCache_->find(job) &&
        std::find(jobs.begin(), jobs.end(), job) == jobs.end())
      jobs.push_back(withPlainSound(std::move(job)));
  };
  std::vector<int> numbers;
  for (PlateButton* plate : RuzdoPole->Plates()) {
    if (Mode == 0) {
      numbers.push_back(plate->property("Tag").toInt());
      add(ruzdo::NumberSpeechText(numbers.back(), RuzdoPole->Tani()), listening);
    } else if (const auto text = sequenceText(plate->text())) {
      add(*text, listening);
    }
  }
  for (const std::string& voice : questionVoices)
    for (int value : numbers) {
      const std::string usual = ruzdo::NumberSpeechText(value, RuzdoPole->Tani());
      const int readings = sVariants->isChecked() ? Onsei_VariantCount(usual.c_str()) : 1;
      for (int v = 1; v <= readings; ++v)
        add(ruzdo::NumberSpeechText(value, RuzdoPole->Tani(), v), voice);
    }
  prefetchWorker_->post(std::move(jobs));
}

TMainForm::Said TMainForm::numberSaid(std::int32_t value, bool question, bool inSentence) {
  // A question may come in a voice drawn for it and in any accepted reading
  // of its number, and then in a sentence drawn for its counter; a listening
  // click comes in the chosen voice and the usual reading. Nothing is drawn
  // unless those options are on.
  const TTani tani = RuzdoPole->Tani();
  std::string text = ruzdo::NumberSpeechText(value, tani);
  Said said;
  said.voice = question ? questionVoice() : listeningVoice();
  int variant = 1;
  if (question && sVariants->isChecked()) {
    variant = ruzdo::RandomVariant(Onsei_VariantCount(text.c_str()));
    text = ruzdo::NumberSpeechText(value, tani, variant);
  }
  const std::string_view counter = ruzdo::CounterShownAfter(tani, value);
  said.written = QString::number(value) +
                 QString::fromUtf8(counter.data(), static_cast<qsizetype>(counter.size()));
  said.koe = QByteArray::fromStdString(text);
  if (!inSentence) return said;
  if (const ruzdo::CarrierSentence* c =
          ruzdo::DrawCarrier(carriers(), CounterReading(tani), value)) {
    const ruzdo::SentenceText sentence = ruzdo::NumberInSentence(*c, value, tani, variant);
    if (const auto sjis = ruzdo::ToShiftJis(sentence.phonetic)) {
      said.koe = QByteArray::fromStdString(*sjis);
      said.sentence = QString::fromStdString(sentence.written);
    }
  }
  return said;
}

TMainForm::Said TMainForm::sequenceSaid(const QString& text, bool question, bool inSentence) {
  const auto sjis = sequenceText(text);
  Said said;
  said.written = text;
  said.voice = question ? questionVoice() : listeningVoice();
  // Empty for a character Shift-JIS cannot hold: the engine could not read it either.
  if (sjis) said.koe = QByteArray::fromStdString(*sjis);
  if (!sjis || !inSentence) return said;
  if (const ruzdo::CarrierSentence* c = ruzdo::DrawCarrier(carriers(), ruzdo::kSequenceKey, 0)) {
    const ruzdo::SentenceText sentence = ruzdo::SequenceInSentence(*c, text.toStdString());
    if (const auto phonetic = ruzdo::ToShiftJis(sentence.phonetic)) {
      said.koe = QByteArray::fromStdString(*phonetic);
      said.sentence = QString::fromStdString(sentence.written);
    }
  }
  return said;
}

void TMainForm::SpeakNumber(std::int32_t value, std::int32_t speed) {
  rememberSaid(numberSaid(value, inQuestionTick_, false));
  Speak(lastSaid_.koe, speed, lastSaid_.voice);
}

void TMainForm::SpeakSequence(const QString& text, std::int32_t speed) {
  rememberSaid(sequenceSaid(text, inQuestionTick_, false));
  if (lastSaid_.koe.isEmpty()) {
    SynthesisFailed();
    return;
  }
  Speak(lastSaid_.koe, speed, lastSaid_.voice);
}

void TMainForm::Speak(const QByteArray& text, std::int32_t speed, const std::string& voice) {
  const ruzdo::SynthesisJob job = soundJob(text.toStdString(), speed, voice);
  if (ruzdo::WaveRef wave = speechCache_->find(job)) {
    // The newest request wins over one still being synthesised.
    wanted_ = false;
    if (speechWorker_) speechWorker_->cancel();
    playWave(std::move(wave));
    return;
  }
  if (speechWorker_) {
    wantedJob_ = job;
    wanted_ = true;
    // One being made ahead right now is not made twice.
    if ((prefetchWorker_ && prefetchWorker_->busyWith(job)) ||
        (aheadWorker_ && aheadWorker_->has(job)))
      speechWorker_->cancel();
    else
      speechWorker_->post({withPlainSound(job)});
    return;
  }
  ruzdo::WaveRef plain = speechCache_->find(job.plain());
  if (!plain) {
    int size = 0;
    if (unsigned char* image = engine()(text.constData(), speed, voice.c_str(), &size)) {
      plain =
          std::make_shared<const ruzdo::WaveImage>(image, static_cast<std::size_t>(size), release_);
      speechCache_->insert(job.plain(), plain);
    }
  }
  ruzdo::WaveRef wave = ruzdo::HeardUnderCondition(job, plain);
  if (!wave) {
    SynthesisFailed();
    emit speechFailed();
    return;
  }
  speechCache_->insert(job, wave);
  playWave(std::move(wave));
}

void TMainForm::speechReady(const ruzdo::SynthesisJob& job, ruzdo::WaveRef wave) {
  if (wave) speechCache_->insert(job, wave);
  if (!wanted_ || !(job == wantedJob_)) return;
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

void TMainForm::playWave(ruzdo::WaveRef wave) {
  questionSoundPlayed(wave);
  soundOutput().play(std::move(wave));
}

void TMainForm::Beep() { soundOutput().beep(); }
