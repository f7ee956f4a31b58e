#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "wave_image.h"

namespace ruzdo {

// One output stream to the sound server, fed by a thread of its own. play()
// returns at once; a sound given while another plays stops that one (its
// queued data is flushed), nothing is queued behind it. The image is held
// until its data has been handed to the server.
class PulseChannel {
 public:
  struct Sound {
    WaveRef wave;  // keeps the data alive
    const char* pcm = nullptr;
    std::size_t bytes = 0;
    int rate = 0;
    int channels = 0;
  };
  // Called on the channel's thread: the server cannot be reached (once), and
  // a sound has played to its end.
  using Failed = std::function<void(const std::string& reason)>;
  using Finished = std::function<void()>;

  PulseChannel(std::string name, Failed failed, Finished finished);
  ~PulseChannel();
  PulseChannel(const PulseChannel&) = delete;
  PulseChannel& operator=(const PulseChannel&) = delete;

  void play(Sound sound);

 private:
  void run();
  bool waitForSound(Sound& sound);

  std::string name_;
  Failed failed_;
  Finished finished_;
  std::mutex mutex_;
  std::condition_variable wake_;
  Sound next_;
  bool pending_ = false;
  bool quit_ = false;
  std::thread thread_;
};

}  // namespace ruzdo
