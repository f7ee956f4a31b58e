#include "speech_cache.h"

namespace ruzdo {

WaveRef SpeechCache::find(const SynthesisJob& job) {
  const auto it = index_.find(job.key());
  if (it == index_.end()) return nullptr;
  entries_.splice(entries_.begin(), entries_, it->second);
  return it->second->wave;
}

void SpeechCache::insert(const SynthesisJob& job, WaveRef wave) {
  if (!wave) return;
  Key key = job.key();
  const auto old = index_.find(key);
  if (old != index_.end()) {
    bytes_ -= old->second->wave->size();
    entries_.erase(old->second);
    index_.erase(old);
  }
  bytes_ += wave->size();
  entries_.push_front({key, std::move(wave)});
  index_[std::move(key)] = entries_.begin();
  evict();
}

void SpeechCache::clear() {
  entries_.clear();
  index_.clear();
  bytes_ = 0;
}

void SpeechCache::evict() {
  while (!entries_.empty() && (entries_.size() > maxEntries_ || bytes_ > maxBytes_)) {
    const Entry& last = entries_.back();
    bytes_ -= last.wave->size();
    index_.erase(last.key);
    entries_.pop_back();
  }
}

}  // namespace ruzdo
