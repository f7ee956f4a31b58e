#include "talkers_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace ruzdo {
namespace {

// "RZTALKRS", the layout's version, the key, the talkers (rate, count of
// samples, the samples as IEEE floats), all little-endian, then FNV-1a 64
// over everything before it.
constexpr char kMagic[8] = {'R', 'Z', 'T', 'A', 'L', 'K', 'R', 'S'};
constexpr std::uint32_t kLayout = 1;
constexpr int kLowestRate = 4000;
constexpr int kHighestRate = 192000;
// Far more than the talkers take (a few MB): a file claiming more is not one of ours.
constexpr std::size_t kMostBytes = 64u << 20;

void put32(std::vector<unsigned char>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void put64(std::vector<unsigned char>& out, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

std::uint64_t checksum(const unsigned char* data, std::size_t size) {
  std::uint64_t h = 14695981039346656037ull;
  for (std::size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 1099511628211ull;
  return h;
}

// Reads fields in order; once a read would pass the end, every later one
// fails too.
class Reader {
 public:
  Reader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
  std::optional<std::uint64_t> number(int bytes) {
    if (!take(static_cast<std::size_t>(bytes))) return std::nullopt;
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i)
      v |= static_cast<std::uint64_t>(data_[at_ - bytes + i]) << (8 * i);
    return v;
  }
  const unsigned char* bytes(std::size_t n) { return take(n) ? data_ + at_ - n : nullptr; }
  std::size_t left() const { return size_ - at_; }

 private:
  bool take(std::size_t n) {
    if (n > size_ - at_) return false;
    at_ += n;
    return true;
  }
  const unsigned char* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace

std::vector<unsigned char> EncodeTalkers(const Talkers& talkers, std::string_view key) {
  std::vector<unsigned char> out(std::begin(kMagic), std::end(kMagic));
  put32(out, kLayout);
  put32(out, static_cast<std::uint32_t>(key.size()));
  out.insert(out.end(), key.begin(), key.end());
  put32(out, static_cast<std::uint32_t>(talkers.voices.size()));
  for (const PcmSound& voice : talkers.voices) {
    put32(out, static_cast<std::uint32_t>(voice.rateHz));
    put32(out, static_cast<std::uint32_t>(voice.samples.size()));
    for (float x : voice.samples) {
      std::uint32_t bits = 0;
      std::memcpy(&bits, &x, sizeof bits);
      put32(out, bits);
    }
  }
  put64(out, checksum(out.data(), out.size()));
  return out;
}

std::optional<Talkers> DecodeTalkers(const std::vector<unsigned char>& bytes,
                                     std::string_view key) {
  if (bytes.size() < sizeof kMagic + 8 || bytes.size() > kMostBytes) return std::nullopt;
  const std::size_t body = bytes.size() - 8;
  Reader sum(bytes.data() + body, 8);
  if (sum.number(8) != checksum(bytes.data(), body)) return std::nullopt;
  Reader in(bytes.data(), body);
  const unsigned char* magic = in.bytes(sizeof kMagic);
  if (!magic || std::memcmp(magic, kMagic, sizeof kMagic) != 0) return std::nullopt;
  if (in.number(4) != kLayout) return std::nullopt;
  const auto keyLength = in.number(4);
  const unsigned char* stored = keyLength ? in.bytes(*keyLength) : nullptr;
  if (!stored || std::string_view(reinterpret_cast<const char*>(stored), *keyLength) != key)
    return std::nullopt;
  const auto count = in.number(4);
  if (!count) return std::nullopt;
  Talkers talkers;
  for (std::uint64_t k = 0; k < *count; ++k) {
    const auto rate = in.number(4);
    const auto n = in.number(4);
    if (!rate || !n || *rate < kLowestRate || *rate > kHighestRate || *n > in.left() / 4)
      return std::nullopt;
    PcmSound voice{static_cast<int>(*rate), std::vector<float>(static_cast<std::size_t>(*n))};
    for (float& x : voice.samples) {
      const auto bits = static_cast<std::uint32_t>(*in.number(4));
      std::memcpy(&x, &bits, sizeof x);
      if (!std::isfinite(x)) return std::nullopt;
    }
    talkers.voices.push_back(std::move(voice));
  }
  if (in.left() != 0) return std::nullopt;
  return talkers;
}

std::optional<Talkers> ReadTalkersFile(const std::string& path, std::string_view key) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  std::vector<unsigned char> bytes;
  unsigned char chunk[65536];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0 && bytes.size() <= kMostBytes)
    bytes.insert(bytes.end(), chunk, chunk + got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return DecodeTalkers(bytes, key);
}

bool WriteTalkersFile(const std::string& path, const Talkers& talkers, std::string_view key) {
  std::error_code error;
  const std::filesystem::path target(path);
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);
  if (error) return false;
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  const std::vector<unsigned char> bytes = EncodeTalkers(talkers, key);
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  const bool whole = written == bytes.size() && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !whole || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace ruzdo
