#pragma once

#include <QByteArray>
#include <QList>
#include <cstring>

#include "platform/sound_output.h"

// A speech engine that records what it is asked and hands out small
// images it can account for, and a sound output that records what it plays.
struct FakeEngine {
  struct Call {
    QByteArray text;
    int speed;
  };
  QList<Call> calls;
  bool fail = false;
  int allocated = 0;
  int released = 0;

  unsigned char* synthe(const char* koe, int speed, int* size) {
    calls.append({QByteArray(koe), speed});
    if (fail) return nullptr;
    ++allocated;
    *size = 48;
    auto* image = new unsigned char[48]();
    std::memcpy(image, "RIFF", 4);
    return image;
  }
  void release(unsigned char* image) {
    ++released;
    delete[] image;
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
