#pragma once

#include <QObject>
#include <memory>

#include "sound_output.h"

namespace ruzdo {

class PulseChannel;

// Plays WAV images through the PulseAudio (or PipeWire) sound server, each
// channel on a thread of its own: a new utterance stops the one still
// playing at once; the warning tone has its own channel and cuts nothing
// off. Without a sound server it stays silent and says so once
// (unavailable()); when a sound plays again it says that too (available()).
class AudioPlayer : public QObject, public SoundOutput {
  Q_OBJECT
 public:
  explicit AudioPlayer(QObject* parent = nullptr);
  ~AudioPlayer() override;

  void play(WaveRef wave) override;
  void beep() override;

 signals:
  void unavailable(const QString& reason);
  void available();
  void finished();  // an utterance ended by itself

 private:
  void reportUnavailable(const QString& reason);
  void reportPlaying();

  std::unique_ptr<PulseChannel> speech_;
  std::unique_ptr<PulseChannel> beep_;
  WaveRef beepWave_;
  bool available_ = true;
};

// The format of 16-bit PCM samples.
struct PcmFormat {
  int rate = 0;
  int channels = 0;
};

// The PCM format and data of a WAV image; false if it is not 16-bit PCM.
bool ParseWav(const unsigned char* data, std::size_t size, PcmFormat& format, const char*& pcm,
              qsizetype& bytes);

}  // namespace ruzdo
