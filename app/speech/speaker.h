#pragma once

#include <QObject>
#include <QWidget>
#include <string>

#include "platform/wave_image.h"

class QTimer;

namespace ruzdo {

class AudioPlayer;
class SoundOutput;
class SpeechService;

// What the window says, and where it is heard: a text is asked of the
// speech service and played when it is at hand, on the system's audio
// output unless another is given. What the plates say is made ahead once
// the window is on the screen, a moment after whatever may change it (a
// burst of changes, such as typing a number or dragging the speed, makes it
// once).
class Speaker : public QObject {
  Q_OBJECT
 public:
  explicit Speaker(QObject* parent);
  // The grid whose sounds are made ahead: its painting, its plates coming
  // and going and its layout are watched.
  void watchPlates(QWidget* plates) { plates->installEventFilter(this); }

  SpeechService& service() { return *service_; }
  const SpeechService& service() const { return *service_; }
  // Where sounds go from now on (not owned); the system's audio output
  // (made on first use) unless given.
  void setOutput(SoundOutput* output) { output_ = output; }
  SoundOutput& output();

  // Says text: played at once when it was made before, else when it comes.
  void say(const std::string& text, int speed, const std::string& voice);
  void play(WaveRef wave);
  void beep();
  // The plates' sounds may have changed: platesDue() a moment later.
  void schedulePlates();

 signals:
  // A sound starts to be heard.
  void playing(ruzdo::WaveRef wave);
  // A sound could not be made: now, as it was asked, or later on the worker.
  void failed(bool now);
  // Whether the system's audio output can be heard.
  void soundAvailable(bool available);
  // Time to hand the plates' sounds to the speech service.
  void platesDue();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SpeechService* service_;
  QTimer* platesTimer_;
  SoundOutput* output_ = nullptr;
  AudioPlayer* player_ = nullptr;
  bool painted_ = false;
};

}  // namespace ruzdo
