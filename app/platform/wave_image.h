#pragma once

#include <cstddef>
#include <functional>
#include <memory>

namespace ruzdo {

// A WAV image handed out by the speech engine, released exactly once through
// the engine's own function when the last holder lets go of it.
class WaveImage {
 public:
  using Release = std::function<void(unsigned char*)>;
  WaveImage(unsigned char* data, std::size_t size, Release release)
      : data_(data), size_(size), release_(std::move(release)) {}
  ~WaveImage() {
    if (release_) release_(data_);
  }
  WaveImage(const WaveImage&) = delete;
  WaveImage& operator=(const WaveImage&) = delete;

  const unsigned char* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  unsigned char* data_;
  std::size_t size_;
  Release release_;
};

using WaveRef = std::shared_ptr<const WaveImage>;

}  // namespace ruzdo
