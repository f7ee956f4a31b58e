#pragma once

#include <cstddef>
#include <list>
#include <map>
#include <string>

#include "platform/wave_image.h"
#include "synthesis_job.h"

namespace ruzdo {

// The most recently used waveforms by speech text, speed, voice and voice
// variant (empty: the default voice) and listening condition with its level (and whether its babble
// has other talkers), so that a plate heard before plays again without waiting for synthesis.
// Bounded by count and by bytes; the oldest go first.
class SpeechCache {
 public:
  SpeechCache(std::size_t maxEntries, std::size_t maxBytes)
      : maxEntries_(maxEntries), maxBytes_(maxBytes) {}

  WaveRef find(const SynthesisJob& job);
  void insert(const SynthesisJob& job, WaveRef wave);
  // The same in quiet.
  WaveRef find(const std::string& text, int speed, const std::string& voice = {},
               const std::string& variant = {}) {
    return find({text, speed, voice, variant, {}, 0, nullptr});
  }
  void insert(const std::string& text, int speed, WaveRef wave, const std::string& voice = {},
              const std::string& variant = {}) {
    insert({text, speed, voice, variant, {}, 0, nullptr}, std::move(wave));
  }
  void clear();

  std::size_t size() const { return entries_.size(); }

 private:
  using Key = SynthesisJob::Key;
  struct Entry {
    Key key;
    WaveRef wave;
  };
  void evict();

  std::size_t maxEntries_;
  std::size_t maxBytes_;
  std::size_t bytes_ = 0;
  std::list<Entry> entries_;  // most recent first
  std::map<Key, std::list<Entry>::iterator> index_;
};

}  // namespace ruzdo
