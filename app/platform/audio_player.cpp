#include "audio_player.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/pcm_wave.h"
#include "pulse_channel.h"

namespace ruzdo {

bool ParseWav(const unsigned char* data, std::size_t size, PcmFormat& format, const char*& pcm,
              qsizetype& bytes) {
  bool haveFormat = false;
  return WalkWaveChunks(data, size, [&](const unsigned char* id, const unsigned char* body,
                                        std::size_t length) {
    if (!std::memcmp(id, "fmt ", 4) && length >= 16) {
      const WaveFormat f = ReadWaveFormat(body);
      if (f.tag != 1 || f.bits != 16) return WaveChunkStep::kRefused;  // 16-bit PCM only
      format.rate = static_cast<int>(f.rate);
      format.channels = f.channels;
      haveFormat = true;
    } else if (!std::memcmp(id, "data", 4) && haveFormat) {
      pcm = reinterpret_cast<const char*>(body);
      bytes = static_cast<qsizetype>(length);
      return format.rate > 0 && format.channels > 0 ? WaveChunkStep::kFound
                                                    : WaveChunkStep::kRefused;
    }
    return WaveChunkStep::kNext;
  });
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
