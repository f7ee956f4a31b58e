#pragma once

#include <atomic>

namespace ruzdo {

// How many of the program's speech workers have sounds to make: work in the
// background that shares the engine with them (which runs one synthesis at
// a time) waits until none has.
class EngineDemand {
 public:
  void add(int n) { workers_.fetch_add(n, std::memory_order_relaxed); }
  bool any() const { return workers_.load(std::memory_order_relaxed) > 0; }

 private:
  std::atomic<int> workers_{0};
};

}  // namespace ruzdo
