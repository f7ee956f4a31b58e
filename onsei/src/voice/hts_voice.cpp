#include "voice/hts_voice.hpp"

extern "C" {
#include <HTS_engine.h>
}
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <thread>
#include <tuple>

#include "voice/voice_file.hpp"
#include "voice/voice_presets.hpp"

namespace onsei {

struct HtsVoice::Engine {
  HTS_Engine engine;
  std::size_t normalPeriod = 0;
  double normalAlpha = 0;  // the voice's own all-pass constant
  Engine() { HTS_Engine_initialize(&engine); }
  ~Engine() { HTS_Engine_clear(&engine); }
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;
};

HtsVoice::HtsVoice(std::unique_ptr<Engine> engine) : engine_(std::move(engine)) {}
HtsVoice::HtsVoice(HtsVoice&&) noexcept = default;
HtsVoice& HtsVoice::operator=(HtsVoice&&) noexcept = default;
HtsVoice::~HtsVoice() = default;

Result<HtsVoice> HtsVoice::Load(const std::string& path) {
  auto engine = std::make_unique<Engine>();
  char* voices[1] = {const_cast<char*>(path.c_str())};
  if (HTS_Engine_load(&engine->engine, voices, 1) != TRUE)
    return Error{"the voice " + path + " cannot be loaded"};
  engine->normalPeriod = HTS_Engine_get_fperiod(&engine->engine);
  if (engine->normalPeriod == 0) return Error{"the voice " + path + " has no frame period"};
  engine->normalAlpha = HTS_Engine_get_alpha(&engine->engine);
  return HtsVoice(std::move(engine));
}

void HtsVoice::applyShape(const VoiceShape& shape) {
  HTS_Engine* e = &engine_->engine;
  HTS_Engine_add_half_tone(e, shape.halfTones);
  HTS_Engine_set_alpha(e, engine_->normalAlpha + shape.alphaShift);
  HTS_Engine_set_beta(e, shape.beta);  // hts_engine's own default is 0, off
}

int HtsVoice::samplingRate() const {
  return static_cast<int>(HTS_Engine_get_sampling_frequency(&engine_->engine));
}

namespace {

// The root mean square of the speech: of the 10 ms frames within 30 dB of
// the loudest one, so that pauses do not count.
double activeLevel(HTS_Engine* e, std::size_t n, std::size_t frame) {
  std::vector<double> power;
  for (std::size_t s = 0; frame > 0 && s + frame <= n; s += frame) {
    double sum = 0;
    for (std::size_t i = s; i < s + frame; ++i) {
      const double x = HTS_Engine_get_generated_speech(e, i);
      sum += x * x;
    }
    power.push_back(sum / static_cast<double>(frame));
  }
  double loudest = 0;
  for (double p : power) loudest = std::max(loudest, p);
  double sum = 0;
  std::size_t count = 0;
  for (double p : power)
    if (p > 0 && p >= loudest * 1e-3) {
      sum += p;
      ++count;
    }
  return count == 0 ? 0 : std::sqrt(sum / static_cast<double>(count));
}

}  // namespace

Result<std::vector<std::int16_t>> HtsVoice::Synthesise(const std::vector<std::string>& labels,
                                                       double rate, double gain, double peakLimit,
                                                       const VoiceShape& shape, double level) {
  HTS_Engine* e = &engine_->engine;
  applyShape(shape);
  const auto period = static_cast<std::size_t>(
      std::lround(static_cast<double>(engine_->normalPeriod) / (rate * shape.tempo)));
  HTS_Engine_set_fperiod(e, period < 1 ? 1 : period);
  std::vector<char*> lines;
  lines.reserve(labels.size());
  for (const std::string& l : labels) lines.push_back(const_cast<char*>(l.c_str()));
  const bool ok = HTS_Engine_synthesize_from_strings(e, lines.data(), lines.size()) == TRUE;
  std::vector<std::int16_t> samples;
  if (ok) {
    const std::size_t n = HTS_Engine_get_nsamples(e);
    double peak = 0;
    bool finite = true;
    for (std::size_t i = 0; i < n; ++i) {
      const double x = HTS_Engine_get_generated_speech(e, i);
      finite = finite && std::isfinite(x);
      peak = std::max(peak, std::fabs(x));
    }
    if (!finite) {
      HTS_Engine_refresh(e);
      applyShape({});
      return Error{"the voice gave a waveform that is not a number"};
    }
    if (level > 0) {
      const double own = activeLevel(e, n, static_cast<std::size_t>(samplingRate() / 100));
      if (own * gain > level) gain = level / own;
    }
    if (peak * gain > peakLimit) gain = peakLimit / peak;
    samples.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
      // Clip, then truncate toward zero, as hts_engine's own WAV writer does.
      double x = HTS_Engine_get_generated_speech(e, i) * gain;
      if (x > 32767.0) x = 32767.0;
      if (x < -32768.0) x = -32768.0;
      samples[i] = static_cast<std::int16_t>(x);
    }
  }
  HTS_Engine_refresh(e);  // also after a failure, so the next call starts clean
  applyShape({});
  if (!ok) return Error{"the voice could not synthesise the labels"};
  return samples;
}

std::string VoicePath() {
  const char* env = std::getenv("ONSEI_VOICE");
  return env && *env ? std::string(env) : std::string(kDebianVoicePath);
}

namespace {

// The child that test-loads a voice may take this much more address space
// than the process it was forked from, and this long.
constexpr std::size_t kCheckMemory = 512u << 20;
constexpr auto kCheckTime = std::chrono::seconds(20);

std::string notUsable(const std::string& path, const std::string& why) {
  return "the file " + path + " is not a usable voice file: " + why;
}

// Reads a whole regular file of at most kMaxVoiceBytes. Opened without
// blocking and checked on the open descriptor, so a FIFO or a device is
// refused rather than read from.
Result<std::string> readVoiceFile(const std::string& path, const struct stat& st) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Error{"the voice file " + path + " cannot be read"};
  struct stat opened {};
  std::string bytes;
  Status result = Ok();
  if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_ino != st.st_ino) {
    result = Error{notUsable(path, "it is not a regular file")};
  } else if (static_cast<unsigned long long>(opened.st_size) > kMaxVoiceBytes) {
    result = Error{notUsable(path, "it is larger than 64 MB")};
  } else {
    bytes.resize(static_cast<std::size_t>(opened.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = read(fd, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    if (done != bytes.size()) result = Error{"the voice file " + path + " cannot be read"};
  }
  close(fd);
  if (!result) return result.error();
  return bytes;
}

// The address space of this process, in bytes.
std::size_t addressSpace() {
  std::FILE* f = std::fopen("/proc/self/statm", "r");
  unsigned long pages = 0;
  if (f) {
    if (std::fscanf(f, "%lu", &pages) != 1) pages = 0;
    std::fclose(f);
  }
  return static_cast<std::size_t>(pages) * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

// In the child: load the voice and say a short utterance with it, within a
// memory bound. Exits 0 when both work.
[[noreturn]] void testVoiceInChild(const std::string& path, const std::vector<std::string>& probe) {
  const rlim_t limit = addressSpace() + kCheckMemory;
  const struct rlimit memory = {limit, limit};
  setrlimit(RLIMIT_AS, &memory);
  auto voice = HtsVoice::Load(path);
  if (!voice) _exit(1);
  if (!probe.empty()) {
    auto samples = voice->Synthesise(probe, 1.0, 1.0, 1e300);
    if (!samples || samples->empty()) _exit(1);
  }
  _exit(0);
}

// Waits for the child within kCheckTime; a child that takes longer is killed.
Status awaitChild(pid_t child, const std::string& path) {
  const auto deadline = std::chrono::steady_clock::now() + kCheckTime;
  int status = 0;
  for (;;) {
    const pid_t r = waitpid(child, &status, WNOHANG);
    if (r == child) break;
    if (r < 0 && errno != EINTR) return Error{"cannot check the voice " + path};
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
      }
      return Error{notUsable(path, "loading it takes longer than 20 s")};
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return Ok();
  const std::string how = WIFSIGNALED(status)
                              ? "signal " + std::to_string(WTERMSIG(status))
                              : "exit status " + std::to_string(WEXITSTATUS(status));
  return Error{
      notUsable(path, "hts_engine fails on it when it loads it or speaks with it (" + how + ")")};
}

Status checkVoiceFileOnce(const std::string& path, const struct stat& st,
                          const std::vector<std::string>& probe) {
  auto bytes = readVoiceFile(path, st);
  if (!bytes) return bytes.error();
  Status valid = ValidateVoiceImage(*bytes);
  if (!valid) return Error{notUsable(path, valid.error().message)};
  // The voices the engine ships and the Debian voice need no test load.
  if (IsKnownVoiceImage(*bytes)) return Ok();
  bytes->clear();
  bytes->shrink_to_fit();

  // Not the known voice: let a child process try it, since hts_engine may
  // end the process that loads a malformed file.
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child < 0) return Error{"cannot start a process to check the voice " + path};
  if (child == 0) testVoiceInChild(path, probe);
  return awaitChild(child, path);
}

// A file that failed the check is not checked again while it stays the same
// (same path, size and modification time).
struct CheckedFile {
  std::string path;
  long long size;
  long long seconds;
  long long nanoseconds;
  bool operator<(const CheckedFile& o) const {
    return std::tie(path, size, seconds, nanoseconds) <
           std::tie(o.path, o.size, o.seconds, o.nanoseconds);
  }
};

std::mutex& failuresLock() {
  static std::mutex m;
  return m;
}

std::map<CheckedFile, Error>& failures() {
  static std::map<CheckedFile, Error> f;
  return f;
}

}  // namespace

Status CheckVoiceFile(const std::string& path, const std::vector<std::string>& probe) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR)
      return Error{"the voice file " + path + " is missing (Debian package " +
                   std::string(kDebianVoicePackage) + ", in the contrib component)"};
    return Error{"the voice file " + path + " cannot be read"};
  }
  if (!S_ISREG(st.st_mode)) return Error{notUsable(path, "it is not a regular file")};
  const CheckedFile key{path, static_cast<long long>(st.st_size),
                        static_cast<long long>(st.st_mtim.tv_sec),
                        static_cast<long long>(st.st_mtim.tv_nsec)};
  std::lock_guard<std::mutex> guard(failuresLock());
  const auto known = failures().find(key);
  if (known != failures().end()) return known->second;
  Status checked = checkVoiceFileOnce(path, st, probe);
  if (!checked) failures().emplace(key, checked.error());
  return checked;
}

}  // namespace onsei
