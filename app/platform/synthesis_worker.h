#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine_demand.h"
#include "synthesis_job.h"
#include "wave_image.h"

namespace ruzdo {

// Runs a speech engine on a thread of its own, one job at a time, so that
// whoever asks never waits for the engine. Jobs given replace those not yet
// started: the newest request wins. Results go to `done` on the worker's
// thread, the image wrapped so that it is released exactly once wherever it
// ends up (null when synthesis failed). A job under a listening condition
// gets the condition applied after synthesis; when the engine was run for
// it, the plain sound goes to `done` as well, first, under the plain job.
class SynthesisWorker {
 public:
  // voice is the job's: "" for the default voice.
  using Synthesise =
      std::function<unsigned char*(const char* text, int speed, const char* voice, int* size)>;
  using Release = std::function<void(unsigned char*)>;
  using Done = std::function<void(const SynthesisJob& job, WaveRef wave)>;

  // A positive `niceness` lowers the thread's scheduling priority, for work
  // that must not compete with what the user is waiting for. While it has
  // jobs, the worker counts in `demand`, if given.
  SynthesisWorker(Synthesise synthesise, Release release, Done done, int niceness = 0,
                  std::shared_ptr<EngineDemand> demand = nullptr);
  // Waits for the job under way; those not started are dropped.
  ~SynthesisWorker();
  SynthesisWorker(const SynthesisWorker&) = delete;
  SynthesisWorker& operator=(const SynthesisWorker&) = delete;

  void post(std::vector<SynthesisJob> jobs);
  void cancel() { post({}); }
  // Whether `job` is being synthesised or waits to be, and whether it is
  // being synthesised right now.
  bool has(const SynthesisJob& job) const;
  bool busyWith(const SynthesisJob& job) const;
  // Whether nothing is under way or waiting.
  bool idle() const;

 private:
  void run(int niceness);
  // Counts the worker in the demand while it has jobs; the caller holds the lock.
  void updateDemand();

  Synthesise synthesise_;
  Release release_;
  Done done_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<SynthesisJob> jobs_;
  SynthesisJob current_;
  bool busy_ = false;
  bool quit_ = false;
  std::shared_ptr<EngineDemand> demand_;
  bool demanding_ = false;
  std::thread thread_;
};

}  // namespace ruzdo
