#pragma once

#include <QByteArray>
#include <QList>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <vector>

#include "core/pcm_wave.h"
#include "platform/sound_output.h"
#include "speech/speech_engine.h"

// A speech engine that records what it is asked and hands out small
// images it can account for, and a sound output that records what it plays.
// The engine may be called from a worker thread: it can be held at a gate
// until the test lets it go, and each image carries the text it was made
// for (textOf).
struct FakeEngine {
  struct Call {
    QByteArray text;
    int speed;
    QByteArray voice;  // empty: the standard voice (synthe)
  };
  QList<Call> calls;
  bool fail = false;
  int allocated = 0;
  int released = 0;
  std::mutex mutex;
  std::condition_variable changed;
  bool gated = false;  // calls wait until open() (at most 5 s)
  bool wav = false;    // images are real WAVs (0.1 s of a tone), not tagged ones
  int wavMs = 100;     // how long those are
  int waiting = 0;     // calls held at the gate now

  unsigned char* synthe(const char* koe, int speed, int* size) {
    return syntheVoice(koe, speed, "", size);
  }
  // The engine's voice presets; the image carries the voice too (voiceOf).
  unsigned char* syntheVoice(const char* koe, int speed, const char* voice, int* size) {
    std::unique_lock<std::mutex> lock(mutex);
    calls.append({QByteArray(koe), speed, QByteArray(voice)});
    ++waiting;
    changed.notify_all();
    changed.wait_for(lock, std::chrono::seconds(5), [this] { return !gated; });
    --waiting;
    if (fail) return nullptr;
    ++allocated;
    if (wav) return toneWav(size, wavMs);
    const auto length = static_cast<int>(std::strlen(koe));
    *size = 48 + length;
    auto* image = new unsigned char[static_cast<std::size_t>(*size)]();
    std::memcpy(image, "RIFF", 4);
    std::memcpy(image + 48, koe, static_cast<std::size_t>(length));
    std::strncpy(reinterpret_cast<char*>(image) + 8, voice, 39);
    return image;
  }
  static unsigned char* toneWav(int* size, int ms = 100) {
    std::vector<float> tone(static_cast<std::size_t>(ms) * 16);
    for (std::size_t i = 0; i < tone.size(); ++i)
      tone[i] = 0.3f * static_cast<float>(std::sin(static_cast<double>(i) * 0.3));
    const std::vector<unsigned char> bytes = ruzdo::WritePcmWave({16000, tone});
    *size = static_cast<int>(bytes.size());
    auto* image = new unsigned char[bytes.size()];
    std::memcpy(image, bytes.data(), bytes.size());
    return image;
  }
  void release(unsigned char* image) {
    std::lock_guard<std::mutex> lock(mutex);
    ++released;
    delete[] image;
  }
  void open() {
    std::lock_guard<std::mutex> lock(mutex);
    gated = false;
    changed.notify_all();
  }
  int callCount() {
    std::lock_guard<std::mutex> lock(mutex);
    return static_cast<int>(calls.size());
  }
  // The program's engine with this one's synthesis: in its one voice (every
  // call as the standard voice), or in the voice asked for. Readings,
  // variants and talkers stay the built-in engine's.
  ruzdo::SpeechEngine seam(bool voices = false) {
    ruzdo::SpeechEngine e = ruzdo::SpeechEngine::Onsei();
    e.synthesise = [this, voices](const char* koe, int speed, const char* voice, int* size) {
      return syntheVoice(koe, speed, voices ? voice : "", size);
    };
    e.release = [this](unsigned char* image) { release(image); };
    return e;
  }
  static QByteArray voiceOf(const ruzdo::WaveRef& wave) {
    if (!wave || wave->size() < 48) return {};
    return QByteArray(reinterpret_cast<const char*>(wave->data()) + 8);
  }
  static QByteArray textOf(const ruzdo::WaveRef& wave) {
    if (!wave || wave->size() < 48) return {};
    return QByteArray(reinterpret_cast<const char*>(wave->data()) + 48,
                      static_cast<qsizetype>(wave->size() - 48));
  }
};

struct FakeOutput : ruzdo::SoundOutput {
  QList<ruzdo::WaveRef> played;
  ruzdo::WaveRef current;
  int beeps = 0;
  void play(ruzdo::WaveRef wave) override {
    played.append(wave);
    current = std::move(wave);
  }
  void beep() override { ++beeps; }
  // Lets go of everything, as a player does once sounds have ended.
  void drop() {
    played.clear();
    current.reset();
  }
};
