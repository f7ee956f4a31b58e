#include "speech_worker.h"

#include <algorithm>
#include <memory>

namespace ruzdo {

SpeechWorker::SpeechWorker(Synthesise synthesise, Release release, Done done)
    : synthesise_(std::move(synthesise)), release_(std::move(release)), done_(std::move(done)) {
  thread_ = std::thread([this] { run(); });
}

SpeechWorker::~SpeechWorker() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
    for (auto& lane : lanes_) lane.clear();
  }
  wake_.notify_all();
  thread_.join();
}

void SpeechWorker::post(SpeechLane lane, std::vector<SynthesisJob> jobs) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto& waiting = lanes_[static_cast<std::size_t>(lane)];
    waiting.clear();
    for (SynthesisJob& job : jobs) {
      if (lane == SpeechLane::kAsked)
        for (auto& other : lanes_)
          std::erase_if(other, [&](const Work& w) { return !w.task && w.job == job; });
      waiting.push_back({std::move(job), nullptr});
    }
  }
  wake_.notify_all();
}

void SpeechWorker::add(Task task) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    lanes_[static_cast<std::size_t>(SpeechLane::kTalkers)].push_back({{}, std::move(task)});
  }
  wake_.notify_all();
}

bool SpeechWorker::has(const SynthesisJob& job) const {
  std::lock_guard<std::mutex> lock(mutex_);
  if (busy_ && current_ == job) return true;
  return std::any_of(lanes_.begin(), lanes_.end(), [&](const auto& lane) {
    return std::any_of(lane.begin(), lane.end(),
                       [&](const Work& w) { return !w.task && w.job == job; });
  });
}

bool SpeechWorker::busyWith(const SynthesisJob& job) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return busy_ && current_ == job;
}

bool SpeechWorker::idle() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return !busy_ &&
         std::all_of(lanes_.begin(), lanes_.end(), [](const auto& lane) { return lane.empty(); });
}

void SpeechWorker::run() {
  for (;;) {
    Work work;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      auto first = lanes_.end();
      wake_.wait(lock, [&] {
        first = std::find_if(lanes_.begin(), lanes_.end(),
                             [](const auto& lane) { return !lane.empty(); });
        return quit_ || first != lanes_.end();
      });
      if (quit_) return;
      work = std::move(first->front());
      first->pop_front();
      current_ = work.task ? SynthesisJob() : work.job;
      busy_ = !work.task;
    }
    if (work.task) {
      work.task();
      continue;
    }
    make(work.job);
  }
}

void SpeechWorker::make(const SynthesisJob& job) {
  WaveRef plain = job.made;
  const bool made = !plain;
  if (made) {
    int size = 0;
    unsigned char* image =
        synthesise_ ? synthesise_(job.text.c_str(), job.speed, job.voice.c_str(), &size) : nullptr;
    if (image)
      plain = std::make_shared<const WaveImage>(image, static_cast<std::size_t>(std::max(size, 0)),
                                                release_);
  }
  WaveRef wave = HeardUnderCondition(job, plain);
  {
    // Not busy any more before the result is seen: whoever gets it and
    // asks again is not told to wait for it.
    std::lock_guard<std::mutex> lock(mutex_);
    busy_ = false;
  }
  if (done_ && made && plain && !job.condition.empty()) done_(job.plain(), plain);
  if (done_) done_(job, std::move(wave));
}

}  // namespace ruzdo
