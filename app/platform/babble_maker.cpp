#include "babble_maker.h"

#include <chrono>

#include "core/babble_talkers.h"
#include "core/talkers_file.h"
#include "thread_priority.h"

namespace ruzdo {
namespace {

// How often a maker waiting for the engine looks again.
constexpr auto kDemandPoll = std::chrono::milliseconds(20);

}  // namespace

BabbleMaker::BabbleMaker(Source source, std::string file,
                         std::shared_ptr<const EngineDemand> demand, Ready ready, int niceness)
    : source_(std::move(source)),
      file_(std::move(file)),
      demand_(std::move(demand)),
      ready_(std::move(ready)) {
  thread_ = std::thread([this, niceness] { run(niceness); });
}

BabbleMaker::~BabbleMaker() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

BabbleMaker::Source BabbleMaker::EngineTalkers(const std::string& programVersion) {
  return {BabbleTalkerCount(), MakeBabbleTalker, BabbleTalkersKey(programVersion)};
}

bool BabbleMaker::engineFree() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!quit_ && demand_ && demand_->any()) wake_.wait_for(lock, kDemandPoll);
  return !quit_;
}

void BabbleMaker::run(int niceness) {
  LowerThisThreadPriority(niceness);
  if (!file_.empty())
    if (auto kept = ReadTalkersFile(file_, source_.key)) {
      if (ready_) ready_(std::make_shared<const Talkers>(std::move(*kept)));
      return;
    }
  Talkers made;
  for (int i = 0; i < source_.count; ++i) {
    if (!engineFree()) return;
    if (auto talker = source_.make(i)) made.voices.push_back(std::move(*talker));
  }
  if (made.voices.empty()) return;
  // Only the whole set is kept: one the engine failed in part is made
  // again next time.
  if (!file_.empty() && static_cast<int>(made.voices.size()) == source_.count)
    WriteTalkersFile(file_, made, source_.key);
  if (ready_) ready_(std::make_shared<const Talkers>(std::move(made)));
}

}  // namespace ruzdo
