#include "voice/hts_voice.hpp"

extern "C" {
#include <HTS_engine.h>
}
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

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

Result<std::vector<std::int16_t>> HtsVoice::Synthesise(const std::vector<std::string>& labels,
                                                       double rate, double gain, double peakLimit,
                                                       const VoiceShape& shape) {
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
    for (std::size_t i = 0; i < n; ++i)
      peak = std::max(peak, std::fabs(HTS_Engine_get_generated_speech(e, i)));
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

// FNV-1a, 64 bits: enough to recognise the Debian voice byte for byte.
std::uint64_t fileChecksum(const std::string& path, bool& readable) {
  std::ifstream in(path, std::ios::binary);
  readable = static_cast<bool>(in);
  std::uint64_t h = 1469598103934665603ULL;
  char buffer[65536];
  while (in) {
    in.read(buffer, sizeof buffer);
    for (std::streamsize i = 0; i < in.gcount(); ++i) {
      h ^= static_cast<unsigned char>(buffer[i]);
      h *= 1099511628211ULL;
    }
  }
  return h;
}

constexpr std::uint64_t kDebianVoiceChecksum = 0x58f4fc6b1faf4a01ULL;
constexpr long long kDebianVoiceSize = 1169264;

}  // namespace

Status CheckVoiceFile(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
    return Error{"the voice file " + path + " is missing (Debian package " +
                 std::string(kDebianVoicePackage) + ", in the contrib component)"};
  bool readable = false;
  const std::uint64_t sum = fileChecksum(path, readable);
  if (!readable) return Error{"the voice file " + path + " cannot be read"};
  if (st.st_size == kDebianVoiceSize && sum == kDebianVoiceChecksum) return Ok();

  // Not the known voice: let a child process try it, since hts_engine may
  // end the process that loads a malformed file.
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child < 0) return Error{"cannot start a process to check the voice " + path};
  if (child == 0) {
    HTS_Engine engine;
    HTS_Engine_initialize(&engine);
    char* voices[1] = {const_cast<char*>(path.c_str())};
    const bool ok = HTS_Engine_load(&engine, voices, 1) == TRUE;
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return Error{"cannot check the voice " + path};
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return Ok();
  return Error{"the voice file " + path + " is not a usable HTS voice"};
}

}  // namespace onsei
