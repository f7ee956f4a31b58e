#include "pulse_channel.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <chrono>

namespace ruzdo {
namespace {

constexpr std::size_t kChunkBytes = 1920;  // 20 ms of 48 kHz mono: how often a new sound is noticed

// An open stream in one format; closed with the object.
struct Stream {
  pa_simple* handle = nullptr;
  int rate = 0;
  int channels = 0;
  ~Stream() { close(); }
  void close() {
    if (handle) pa_simple_free(handle);
    handle = nullptr;
  }
};

}  // namespace

PulseChannel::PulseChannel(std::string name, Failed failed, Finished finished)
    : name_(std::move(name)), failed_(std::move(failed)), finished_(std::move(finished)) {
  thread_ = std::thread([this] { run(); });
}

PulseChannel::~PulseChannel() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
    pending_ = false;
    next_ = Sound();
  }
  wake_.notify_all();
  thread_.join();
}

void PulseChannel::play(Sound sound) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    next_ = std::move(sound);
    pending_ = true;
  }
  wake_.notify_all();
}

bool PulseChannel::waitForSound(Sound& sound) {
  std::unique_lock<std::mutex> lock(mutex_);
  wake_.wait(lock, [this] { return pending_ || quit_; });
  if (quit_) return false;
  sound = std::move(next_);
  next_ = Sound();
  pending_ = false;
  return true;
}

void PulseChannel::run() {
  Stream stream;
  bool reported = false;
  Sound sound;
  while (waitForSound(sound)) {
    // Each sound plays until it ends or another one arrives.
    while (sound.wave) {
      if (!stream.handle || stream.rate != sound.rate || stream.channels != sound.channels) {
        stream.close();
        pa_sample_spec format{PA_SAMPLE_S16LE, static_cast<uint32_t>(sound.rate),
                              static_cast<uint8_t>(sound.channels)};
        // A small buffer keeps the start of a sound and its cut-off prompt.
        pa_buffer_attr attr{static_cast<uint32_t>(-1), static_cast<uint32_t>(sound.rate / 10 * 2),
                            static_cast<uint32_t>(-1), static_cast<uint32_t>(-1),
                            static_cast<uint32_t>(-1)};
        int error = 0;
        stream.handle = pa_simple_new(nullptr, "Ruzdo", PA_STREAM_PLAYBACK, nullptr, name_.c_str(),
                                      &format, nullptr, &attr, &error);
        if (!stream.handle) {
          if (!reported && failed_) failed_(pa_strerror(error));
          reported = true;
          sound = Sound();
          break;
        }
        stream.rate = sound.rate;
        stream.channels = sound.channels;
      }
      bool interrupted = false;
      std::size_t at = 0;
      while (at < sound.bytes) {
        {
          std::lock_guard<std::mutex> lock(mutex_);
          if (pending_ || quit_) interrupted = true;
        }
        if (interrupted) break;
        const std::size_t n = std::min(kChunkBytes, sound.bytes - at);
        int error = 0;
        if (pa_simple_write(stream.handle, sound.pcm + at, n, &error) < 0) {
          stream.close();  // the server went away; try again with the next sound
          interrupted = true;
          break;
        }
        at += n;
      }
      sound = Sound();  // the server has the data: the image may go
      if (interrupted) {
        int error = 0;
        if (stream.handle) pa_simple_flush(stream.handle, &error);  // silence what is queued
        break;
      }
      // Let the queued tail play, watching for a new sound meanwhile.
      int error = 0;
      pa_usec_t left = stream.handle ? pa_simple_get_latency(stream.handle, &error) : 0;
      const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(left);
      std::unique_lock<std::mutex> lock(mutex_);
      const bool woken = wake_.wait_until(lock, until, [this] { return pending_ || quit_; });
      lock.unlock();
      if (woken) {
        if (stream.handle) pa_simple_flush(stream.handle, &error);  // cut the tail off
      } else if (finished_) {
        finished_();
      }
    }
  }
}

}  // namespace ruzdo
