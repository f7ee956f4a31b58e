#pragma once

#include <QAudioFormat>
#include <QObject>
#include <QPointer>

#include "sound_output.h"

class QAudioSink;
class QBuffer;

namespace ruzdo {

// Plays WAV images through Qt Multimedia's default audio output. A new
// utterance stops the one still playing; a finished one is let drain before
// its sink is closed, so its last syllable is not cut off. Without a sound
// server or device it stays silent and says so once (unavailable()).
class AudioPlayer : public QObject, public SoundOutput {
  Q_OBJECT
 public:
  explicit AudioPlayer(QObject* parent = nullptr);
  ~AudioPlayer() override;

  void play(WaveRef wave) override;
  void beep() override;


 signals:
  void unavailable(const QString& reason);
  void finished();  // an utterance ended by itself

 private:
  QAudioSink* start(const QAudioFormat& format, const char* pcm, qsizetype bytes, WaveRef keep,
                    bool speech);
  void stopSpeech();
  void markUnavailable(const QString& reason);

  QPointer<QAudioSink> speech_;
  QPointer<QAudioSink> beep_;
  QByteArray beepPcm_;
  QAudioFormat beepFormat_;
  bool available_ = true;
};

// The PCM format and data of a WAV image; false if it is not 16-bit PCM.
bool ParseWav(const unsigned char* data, std::size_t size, QAudioFormat& format, const char*& pcm,
              qsizetype& bytes);

}  // namespace ruzdo
