// The back end: utterance → labels → samples → WAV image, in that order.
#include "onsei/synthesis.hpp"

#include <cstddef>
#include <cstdlib>
#include <mutex>
#include <optional>

#include "labels/full_context.hpp"
#include "labels/label_check.hpp"
#include "onsei/front_end.hpp"
#include "voice/hts_voice.hpp"
#include "voice/voice_presets.hpp"
#include "wav/riff.hpp"

namespace onsei {
namespace {

// The voice's own level varies by 10 dB and more between utterances (a lone
// さん is faint, some reach full scale), so every utterance is scaled to the
// same peak, 6 dB below full scale: even loudness, and headroom.
constexpr double kMaxGain = 8.0;
constexpr double kPeakLimit = 0.5 * 32767.0;

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

std::optional<HtsVoice>& voice() {
  static std::optional<HtsVoice> v;
  return v;
}

// Loads the voice if it is not loaded yet; the caller holds the lock.
Status ensureVoice() {
  if (voice()) return Ok();
  const std::string path = VoicePath();
  // A voice that loads may still fail to speak; the check says a short word.
  auto probe = AnalyseUtf8("い'ち。");
  Status checked = CheckVoiceFile(path, probe ? MakeLabels(*probe) : std::vector<std::string>{});
  if (!checked) return checked;
  auto loaded = HtsVoice::Load(path);
  if (!loaded) return loaded.error();
  voice().emplace(std::move(loaded.value()));
  return Ok();
}

}  // namespace

Synthesiser& Synthesiser::Instance() {
  static Synthesiser s;
  return s;
}

Status Synthesiser::LoadVoice() {
  std::lock_guard<std::mutex> guard(lock());
  return ensureVoice();
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
  Status ready = ensureVoice();
  if (!ready) return ready.error();
  const double rate = static_cast<double>(speed) / kNormalSpeed;
  if (utterance.empty()) {
    // Nothing to say: a moment of true silence, not amplified vocoder noise.
    const int rateHz = voice()->samplingRate();
    return MakeWav(std::vector<std::int16_t>(static_cast<std::size_t>(rateHz / 20), 0), rateHz);
  }
  auto samples = voice()->Synthesise(labels, rate, kMaxGain, kPeakLimit, preset->shape);
  if (!samples) return samples.error();
  trimLeadingPause(*samples, voice()->samplingRate());
  return MakeWav(*samples, voice()->samplingRate());
}

Result<std::vector<std::int16_t>> Synthesiser::RawSamples(const std::vector<std::string>& labels) {
  Status valid = CheckLabels(labels);
  if (!valid) return valid.error();
  std::lock_guard<std::mutex> guard(lock());
  Status ready = ensureVoice();
  if (!ready) return ready.error();
  return voice()->Synthesise(labels, 1.0, 1.0, 1e300);
}

}  // namespace onsei
