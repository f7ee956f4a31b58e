#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/listening_condition.h"
#include "engine_demand.h"

namespace ruzdo {

// Gets the talkers of the crowd and the station on a thread of its own:
// from the file kept of an earlier run when it holds them under the key,
// else made talker by talker, each when the engine is not wanted for the
// program's own sounds, and then written to the file for the next run (a
// damaged file or one of another key is made anew). `ready` gets them on
// that thread, once; it is not called when none could be made.
class BabbleMaker {
 public:
  struct Source {
    int count = 0;
    std::function<std::optional<PcmSound>(int index)> make;
    std::string key;
  };
  using Ready = std::function<void(std::shared_ptr<const Talkers>)>;

  // An empty file name keeps nothing between runs. A positive `niceness`
  // lowers the thread's priority.
  BabbleMaker(Source source, std::string file, std::shared_ptr<const EngineDemand> demand,
              Ready ready, int niceness = 0);
  // Stops between two talkers; a talker being made is finished first.
  ~BabbleMaker();
  BabbleMaker(const BabbleMaker&) = delete;
  BabbleMaker& operator=(const BabbleMaker&) = delete;

  // The engine's talkers (MakeBabbleTalker) under the key of this program.
  static Source EngineTalkers(const std::string& programVersion);

 private:
  void run(int niceness);
  // Waits until no worker wants the engine; false when told to stop.
  bool engineFree();

  Source source_;
  std::string file_;
  std::shared_ptr<const EngineDemand> demand_;
  Ready ready_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool quit_ = false;
  std::thread thread_;
};

}  // namespace ruzdo
