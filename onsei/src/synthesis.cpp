// The back end: utterance → labels → samples → WAV image, in that order.
#include "onsei/synthesis.hpp"

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <map>
#include <mutex>

#include "labels/full_context.hpp"
#include "labels/label_check.hpp"
#include "onsei/front_end.hpp"
#include "voice/hts_voice.hpp"
#include "voice/voice_presets.hpp"
#include "wav/riff.hpp"

namespace onsei {
namespace {

// A voice's own level varies by 10 dB and more between utterances (a lone
// さん is faint, some reach full scale). The standard voice scales every
// utterance to the same peak, 6 dB below full scale, as it always has. Every
// other voice scales each utterance to the standard voice's median loudness
// over typical questions (its speech level, pauses left out; README.md,
// "Voices"), but never beyond 0.97 of full scale: speakers differ in how
// peaky their waveform is, so equal peaks would not sound equally loud.
constexpr double kMaxGain = 8.0;
constexpr double kStandardPeak = 0.5 * 32767.0;
constexpr double kMostPeak = 0.97 * 32767.0;
constexpr double kLevelDb = -20.4;  // of full scale, 32768

// The voice opens every utterance with its pause model's silence, about
// 0.4 s, which a listener hears as a late start. It is cut to a short lead
// before the first sound: the first sample above 1 % of full scale, less 20 ms
// so the onset keeps its rise.
constexpr double kOnsetLevel = 0.01 * 32767.0;
constexpr int kLeadMs = 20;

void trimLeadingPause(std::vector<std::int16_t>& samples, int rateHz) {
  std::size_t onset = 0;
  while (onset < samples.size() && std::abs(samples[onset]) < kOnsetLevel) ++onset;
  if (onset == samples.size()) return;  // silence throughout: left as it is
  const std::size_t lead = static_cast<std::size_t>(rateHz) * kLeadMs / 1000;
  if (onset <= lead) return;
  samples.erase(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(onset - lead));
}

std::mutex& lock() {
  static std::mutex m;
  return m;
}

// The loaded voices, by file: each is loaded at its first use and kept.
std::map<const VoiceFile*, HtsVoice>& voices() {
  static std::map<const VoiceFile*, HtsVoice> v;
  return v;
}

// The voice of a file, loaded if it is not loaded yet; the caller holds the lock.
Result<HtsVoice*> ensureVoice(const VoiceFile& file) {
  const auto loaded = voices().find(&file);
  if (loaded != voices().end()) return &loaded->second;
  const std::string path = VoiceFilePath(file);
  struct stat st {};
  if (file.file != kDebianVoicePath && stat(path.c_str(), &st) != 0 && errno == ENOENT)
    return Error{"the voice file " + path + " is missing (Debian package " +
                 std::string(kVoicesPackage) + ")"};
  // A voice that loads may still fail to speak; the check says a short word.
  auto probe = AnalyseUtf8("い'ち。");
  Status checked = CheckVoiceFile(path, probe ? MakeLabels(*probe) : std::vector<std::string>{});
  if (!checked) return checked.error();
  auto voice = HtsVoice::Load(path);
  if (!voice) return voice.error();
  return &voices().emplace(&file, std::move(voice.value())).first->second;
}

Result<HtsVoice*> standardVoice() { return ensureVoice(*FindVoicePreset(kStandardVoice)->file); }

}  // namespace

Synthesiser& Synthesiser::Instance() {
  static Synthesiser s;
  return s;
}

Status Synthesiser::LoadVoice() {
  std::lock_guard<std::mutex> guard(lock());
  auto voice = standardVoice();
  if (!voice) return voice.error();
  return Ok();
}

Status Synthesiser::LoadVoice(std::string_view voiceName) {
  const VoicePreset* preset = FindVoicePreset(voiceName);
  if (!preset) return UnknownVoice(voiceName);
  std::lock_guard<std::mutex> guard(lock());
  auto voice = ensureVoice(*preset->file);
  if (!voice) return voice.error();
  return Ok();
}

Result<std::vector<unsigned char>> Synthesiser::Synthesise(std::string_view shiftJis, int speed) {
  return Synthesise(shiftJis, speed, kStandardVoice);
}

Result<std::vector<unsigned char>> Synthesiser::Synthesise(std::string_view shiftJis, int speed,
                                                           std::string_view voiceName) {
  if (!FindVoicePreset(voiceName)) return UnknownVoice(voiceName);
  if (speed < kMinSpeed || speed > kMaxSpeed)
    return Error{"speed " + std::to_string(speed) + " is outside 50 ... 300"};
  auto utterance = AnalyseText(shiftJis);
  if (!utterance) return utterance.error();
  return SynthesiseUtterance(*utterance, speed, voiceName);
}

Result<std::vector<unsigned char>> Synthesiser::SynthesiseUtterance(const Utterance& utterance,
                                                                    int speed,
                                                                    std::string_view voiceName) {
  if (speed < kMinSpeed || speed > kMaxSpeed)
    return Error{"speed " + std::to_string(speed) + " is outside 50 ... 300"};
  const VoicePreset* preset = FindVoicePreset(voiceName);
  if (!preset) return UnknownVoice(voiceName);
  const std::vector<std::string> labels = MakeLabels(utterance);
  Status valid = CheckLabels(labels);
  if (!valid) return valid.error();

  std::lock_guard<std::mutex> guard(lock());
  auto voice = ensureVoice(*preset->file);
  if (!voice) return voice.error();
  const double rate = static_cast<double>(speed) / kNormalSpeed;
  const int rateHz = (*voice)->samplingRate();
  if (utterance.empty()) {
    // Nothing to say: a moment of true silence, not amplified vocoder noise.
    return MakeWav(std::vector<std::int16_t>(static_cast<std::size_t>(rateHz / 20), 0), rateHz);
  }
  const bool standard = preset == FindVoicePreset(kStandardVoice);
  const double level = standard ? 0 : 32768.0 * std::pow(10.0, kLevelDb / 20);
  auto samples = (*voice)->Synthesise(labels, rate, standard ? kMaxGain : kMaxGain * 2,
                                      standard ? kStandardPeak : kMostPeak, preset->shape, level);
  if (!samples) return samples.error();
  trimLeadingPause(*samples, rateHz);
  return MakeWav(*samples, rateHz);
}

Result<std::vector<std::int16_t>> Synthesiser::RawSamples(const std::vector<std::string>& labels) {
  Status valid = CheckLabels(labels);
  if (!valid) return valid.error();
  std::lock_guard<std::mutex> guard(lock());
  auto voice = standardVoice();
  if (!voice) return voice.error();
  return (*voice)->Synthesise(labels, 1.0, 1.0, 1e300);
}

}  // namespace onsei
