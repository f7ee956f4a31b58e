#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "wave_image.h"

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace ruzdo {

// One output channel to the sound server through libpulse's asynchronous
// API, served by a main-loop thread of its own. Its stream asks for a short
// latency and stays open between sounds, so that the server keeps its output
// on a short buffer; each sound is handed over whole at once and starts as
// soon as the server has it. play() never blocks on the server: a sound
// given while another plays stops that one (its stream is replaced),
// nothing is queued behind it. The image is held until its data has been
// handed to the server. A lost server is tried again with the next sound.
class PulseChannel {
 public:
  struct Sound {
    WaveRef wave;  // keeps the data alive
    const char* pcm = nullptr;
    std::size_t bytes = 0;
    int rate = 0;
    int channels = 0;
  };
  // Called on the channel's thread: the server cannot be reached (once per
  // outage), a sound has started to play, and a sound has played to its end.
  using Failed = std::function<void(const std::string& reason)>;
  using Started = std::function<void()>;
  using Finished = std::function<void()>;

  PulseChannel(std::string name, Failed failed, Finished finished, Started started = nullptr);
  ~PulseChannel();
  PulseChannel(const PulseChannel&) = delete;
  PulseChannel& operator=(const PulseChannel&) = delete;

  void play(Sound sound);

  // How long a stream buffers ahead: short, so that a sound starts at once.
  static constexpr unsigned kTargetLatencyUsec = 40000;
  // How long after its data a sound is taken to be still playing: the
  // server's buffer and start-up, with room to spare.
  static constexpr double kTailUsec = 250000;

 private:
  // All of these run with the main loop's lock held.
  void connectContext();
  void dropContext();
  void startStream();
  void dropStream();
  void retireStream();
  void writeSound();
  void fail(const std::string& reason);
  static void onContextState(pa_context* context, void* self);
  static void onStreamState(pa_stream* stream, void* self);
  static void onStreamStarted(pa_stream* stream, void* self);
  static void onDrained(pa_stream* stream, int success, void* self);

  std::string name_;
  Failed failed_;
  Finished finished_;
  Started started_;
  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  pa_stream* retired_ = nullptr;  // still playing until stream_ is ready
  Sound sound_;                   // waiting for its stream, or for the server
  int streamRate_ = 0;
  int streamChannels_ = 0;
  std::chrono::steady_clock::time_point busyUntil_;  // when the sound given ends
  unsigned serial_ = 0;                              // counts the sounds given
  std::deque<unsigned> drains_;                      // the sound of each drain asked for
  bool reported_ = false;
};

}  // namespace ruzdo
