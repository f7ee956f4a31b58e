#pragma once

#include <array>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/wave_image.h"
#include "synthesis_job.h"

namespace ruzdo {

// The kinds of work the engine does, in the order it is served: a sound
// asked for (a click, a question's tick), the next question's sound, the
// plates' sounds, the other talkers of the crowd.
enum class SpeechLane { kAsked, kNextQuestion, kPlates, kTalkers, kCount };

// Runs the speech engine on a thread of its own, one job at a time, so that
// whoever asks never waits for it; the engine runs one synthesis at a time
// anyway. Each time, the job taken is the first of the first lane that has
// one. Jobs posted to a lane replace those not yet started there: the newest
// request wins. Results go to `done` on the worker's thread, the image
// wrapped so that it is released exactly once wherever it ends up (null when
// synthesis failed). A job under a listening condition gets the condition
// applied after synthesis; when the engine was run for it, the plain sound
// goes to `done` as well, first, under the plain job.
class SpeechWorker {
 public:
  // voice is the job's: "" for the standard voice.
  using Synthesise =
      std::function<unsigned char*(const char* text, int speed, const char* voice, int* size)>;
  using Release = std::function<void(unsigned char*)>;
  using Done = std::function<void(const SynthesisJob& job, WaveRef wave)>;
  using Task = std::function<void()>;

  SpeechWorker(Synthesise synthesise, Release release, Done done);
  // Waits for the job under way; those not started are dropped.
  ~SpeechWorker();
  SpeechWorker(const SpeechWorker&) = delete;
  SpeechWorker& operator=(const SpeechWorker&) = delete;

  // Replaces the sounds waiting in the lane. A sound asked for leaves the
  // lane it waited in, if any: it is made once, first.
  void post(SpeechLane lane, std::vector<SynthesisJob> jobs);
  // Work of the talkers' lane, after what is there; posts leave it alone.
  void add(Task task);
  // Whether the sound is being made or waits to be, and whether it is being
  // made right now.
  bool has(const SynthesisJob& job) const;
  bool busyWith(const SynthesisJob& job) const;
  // Whether nothing is under way or waiting.
  bool idle() const;

 private:
  struct Work {
    SynthesisJob job;
    Task task;  // set for a talkers' task, which is run instead
  };
  void run();
  void make(const SynthesisJob& job);

  Synthesise synthesise_;
  Release release_;
  Done done_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::array<std::deque<Work>, static_cast<std::size_t>(SpeechLane::kCount)> lanes_;
  SynthesisJob current_;
  bool busy_ = false;
  bool quit_ = false;
  std::thread thread_;
};

}  // namespace ruzdo
