#include "audio_player.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "pulse_channel.h"

namespace ruzdo {
namespace {

quint32 le32(const unsigned char* p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const unsigned char* p) { return qFromLittleEndian<quint16>(p); }

}  // namespace

bool ParseWav(const unsigned char* data, std::size_t size, PcmFormat& format, const char*& pcm,
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
      format.rate = static_cast<int>(le32(body + 4));
      format.channels = le16(body + 2);
      haveFormat = true;
    } else if (!std::memcmp(data + at, "data", 4) && haveFormat) {
      pcm = reinterpret_cast<const char*>(body);
      bytes = static_cast<qsizetype>(length);
      return format.rate > 0 && format.channels > 0;
    }
    at += 8 + length + (length & 1);
  }
  return false;
}

AudioPlayer::AudioPlayer(QObject* parent) : QObject(parent) {
  // Both channels report from their threads; the signals go out on ours.
  auto failed = [this](const std::string& reason) {
    QMetaObject::invokeMethod(
        this, [this, r = QString::fromStdString(reason)] { reportUnavailable(r); },
        Qt::QueuedConnection);
  };
  auto started = [this] {
    QMetaObject::invokeMethod(this, &AudioPlayer::reportPlaying, Qt::QueuedConnection);
  };
  speech_ = std::make_unique<PulseChannel>(
      "Ruzdo speech", failed,
      [this] { QMetaObject::invokeMethod(this, &AudioPlayer::finished, Qt::QueuedConnection); },
      started);
  beep_ = std::make_unique<PulseChannel>("Ruzdo beep", failed, nullptr, started);

  // The warning tone: 120 ms of 880 Hz with soft edges, at a modest level.
  const int n = 48000 * 120 / 1000;
  auto* pcm = new unsigned char[static_cast<std::size_t>(n) * 2];
  auto* s = reinterpret_cast<qint16*>(pcm);
  for (int i = 0; i < n; ++i) {
    const double edge = std::min({1.0, i / 480.0, (n - i) / 480.0});
    s[i] = static_cast<qint16>(9000.0 * edge * std::sin(2 * M_PI * 880.0 * i / 48000.0));
  }
  beepWave_ = std::make_shared<const WaveImage>(pcm, static_cast<std::size_t>(n) * 2,
                                                [](unsigned char* p) { delete[] p; });
}

// The channels stop and join their threads before the rest goes.
AudioPlayer::~AudioPlayer() = default;

void AudioPlayer::reportUnavailable(const QString& reason) {
  if (!available_) return;
  available_ = false;
  emit unavailable(reason);
}

void AudioPlayer::reportPlaying() {
  if (available_) return;
  available_ = true;
  emit available();
}

void AudioPlayer::play(WaveRef wave) {
  if (!wave) return;
  PcmFormat format;
  const char* pcm = nullptr;
  qsizetype bytes = 0;
  if (!ParseWav(wave->data(), wave->size(), format, pcm, bytes)) return;
  speech_->play(
      {std::move(wave), pcm, static_cast<std::size_t>(bytes), format.rate, format.channels});
}

void AudioPlayer::beep() {
  beep_->play(
      {beepWave_, reinterpret_cast<const char*>(beepWave_->data()), beepWave_->size(), 48000, 1});
}

}  // namespace ruzdo
