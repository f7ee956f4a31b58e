#include "synthesis_worker.h"

#include <algorithm>
#include <memory>

#include "thread_priority.h"

namespace ruzdo {

SynthesisWorker::SynthesisWorker(Synthesise synthesise, Release release, Done done, int niceness,
                                 std::shared_ptr<EngineDemand> demand)
    : synthesise_(std::move(synthesise)),
      release_(std::move(release)),
      done_(std::move(done)),
      demand_(std::move(demand)) {
  thread_ = std::thread([this, niceness] { run(niceness); });
}

SynthesisWorker::~SynthesisWorker() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
    jobs_.clear();
  }
  wake_.notify_all();
  thread_.join();
  busy_ = false;
  updateDemand();
}

void SynthesisWorker::updateDemand() {
  const bool demanding = busy_ || !jobs_.empty();
  if (!demand_ || demanding == demanding_) return;
  demanding_ = demanding;
  demand_->add(demanding ? 1 : -1);
}

void SynthesisWorker::post(std::vector<SynthesisJob> jobs) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    jobs_.assign(std::make_move_iterator(jobs.begin()), std::make_move_iterator(jobs.end()));
    updateDemand();
  }
  wake_.notify_all();
}

bool SynthesisWorker::has(const SynthesisJob& job) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return (busy_ && current_ == job) || std::find(jobs_.begin(), jobs_.end(), job) != jobs_.end();
}

bool SynthesisWorker::busyWith(const SynthesisJob& job) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return busy_ && current_ == job;
}

bool SynthesisWorker::idle() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return !busy_ && jobs_.empty();
}

void SynthesisWorker::run(int niceness) {
  LowerThisThreadPriority(niceness);
  for (;;) {
    SynthesisJob job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [this] { return quit_ || !jobs_.empty(); });
      if (quit_) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
      current_ = job;
      busy_ = true;
    }
    WaveRef plain = job.made;
    const bool made = !plain;
    if (made) {
      int size = 0;
      unsigned char* image =
          synthesise_ ? synthesise_(job.text.c_str(), job.speed, job.voice.c_str(), &size)
                      : nullptr;
      if (image)
        plain = std::make_shared<const WaveImage>(
            image, static_cast<std::size_t>(std::max(size, 0)), release_);
    }
    WaveRef wave = HeardUnderCondition(job, plain);
    {
      // Not busy any more before the result is seen: whoever gets it and
      // asks again is not told to wait for it.
      std::lock_guard<std::mutex> lock(mutex_);
      busy_ = false;
      updateDemand();
    }
    if (done_ && made && plain && !job.condition.empty()) done_(job.plain(), plain);
    if (done_) done_(job, std::move(wave));
  }
}

}  // namespace ruzdo
