#include "audio_player.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace ruzdo {
namespace {

// The whole utterance goes to the sound server at once: with the small
// default buffer, PulseAudio streams were seen to stall for over a second
// after their first 140 ms. A sink reports Idle as soon as it has handed
// everything over, and the server may start playing a new stream a second or
// more late (its processed-time figure runs ahead of what is heard), so a
// finished sink is closed only after its whole duration and a generous
// margin. Closing it sooner would cut the sound off.
constexpr qsizetype kMaxBufferBytes = 8 << 20;
constexpr int kCloseMarginMs = 2500;

quint32 le32(const unsigned char* p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const unsigned char* p) { return qFromLittleEndian<quint16>(p); }

}  // namespace

bool ParseWav(const unsigned char* data, std::size_t size, QAudioFormat& format, const char*& pcm,
              qsizetype& bytes) {
  if (!data || size < 12 || std::memcmp(data, "RIFF", 4) || std::memcmp(data + 8, "WAVE", 4))
    return false;
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= size) {
    const quint32 length = le32(data + at + 4);
    const unsigned char* body = data + at + 8;
    if (length > size - at - 8) return false;
    if (!std::memcmp(data + at, "fmt ", 4) && length >= 16) {
      if (le16(body) != 1 || le16(body + 14) != 16) return false;  // 16-bit PCM only
      format.setSampleRate(static_cast<int>(le32(body + 4)));
      format.setChannelCount(le16(body + 2));
      format.setSampleFormat(QAudioFormat::Int16);
      haveFormat = true;
    } else if (!std::memcmp(data + at, "data", 4) && haveFormat) {
      pcm = reinterpret_cast<const char*>(body);
      bytes = static_cast<qsizetype>(length);
      return format.isValid();
    }
    at += 8 + length + (length & 1);
  }
  return false;
}

AudioPlayer::AudioPlayer(QObject* parent) : QObject(parent) {
  // The warning tone: 120 ms of 880 Hz with soft edges, at a modest level.
  beepFormat_.setSampleRate(48000);
  beepFormat_.setChannelCount(1);
  beepFormat_.setSampleFormat(QAudioFormat::Int16);
  const int n = 48000 * 120 / 1000;
  beepPcm_.resize(n * 2);
  auto* s = reinterpret_cast<qint16*>(beepPcm_.data());
  for (int i = 0; i < n; ++i) {
    const double edge = std::min({1.0, i / 480.0, (n - i) / 480.0});
    s[i] = static_cast<qint16>(9000.0 * edge * std::sin(2 * M_PI * 880.0 * i / 48000.0));
  }
}

AudioPlayer::~AudioPlayer() {
  if (speech_) speech_->stop();
  if (beep_) beep_->stop();
}

void AudioPlayer::markUnavailable(const QString& reason) {
  if (!available_) return;
  available_ = false;
  emit unavailable(reason);
}

QAudioSink* AudioPlayer::start(const QAudioFormat& format, const char* pcm, qsizetype bytes,
                               WaveRef keep, bool speech) {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) {
    markUnavailable(QStringLiteral("no audio output device"));
    return nullptr;
  }
  auto* sink = new QAudioSink(device, format, this);
  sink->setBufferSize(std::min<qsizetype>(bytes + 4096, kMaxBufferBytes));
  const qint64 durationUs = format.durationForBytes(static_cast<qint32>(bytes));
  auto* buffer = new QBuffer(sink);
  buffer->setData(QByteArray::fromRawData(pcm, bytes));
  buffer->open(QIODevice::ReadOnly);
  // The image stays alive as long as the buffer that reads it.
  if (keep) connect(buffer, &QObject::destroyed, this, [keep] {});
  sink->start(buffer);
  if (sink->error() == QAudio::OpenError || sink->state() == QAudio::StoppedState) {
    // No server (or it refused the stream): the sink will never change state.
    markUnavailable(QStringLiteral("the sound server refused the stream"));
    sink->deleteLater();
    return nullptr;
  }
  connect(sink, &QAudioSink::stateChanged, this,
          [this, sink, speech, durationUs](QAudio::State state) {
            if (state != QAudio::IdleState) return;
            // All data is with the server; let it play out, then close.
            const int wait = static_cast<int>(durationUs / 1000) + kCloseMarginMs;
            QTimer::singleShot(wait, sink, [this, sink, speech] {
              sink->stop();
              sink->deleteLater();
              if (speech && speech_ == sink) {
                speech_ = nullptr;
                emit finished();
              }
            });
          });
  return sink;
}

void AudioPlayer::stopSpeech() {
  if (!speech_) return;
  QAudioSink* old = speech_;
  speech_ = nullptr;
  old->stop();
  old->deleteLater();
}

void AudioPlayer::play(WaveRef wave) {
  stopSpeech();
  if (!wave || !available_) return;
  QAudioFormat format;
  const char* pcm = nullptr;
  qsizetype bytes = 0;
  if (!ParseWav(wave->data(), wave->size(), format, pcm, bytes)) return;
  speech_ = start(format, pcm, bytes, wave, true);
}

void AudioPlayer::beep() {
  if (!available_) return;
  if (beep_) {
    beep_->stop();
    beep_->deleteLater();
  }
  beep_ = start(beepFormat_, beepPcm_.constData(), beepPcm_.size(), nullptr, false);
}

}  // namespace ruzdo
