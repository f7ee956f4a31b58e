#include "babble_talkers.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "pcm_wave.h"
#include "sox_effects.h"

namespace ruzdo {
namespace {

// What the talkers say, one sentence each, in the engine's phonetic text.
constexpr std::string_view kSentences[] = {
    "きょうわ、いい、てんきですね。",
    "えきの、まえで、まって、いて、くださ'い。",
    "あしたの、かいぎわ、なんじからですか？",
    "この、でんしゃわ、とうきょうえ、いきますか？",
    "すみませ'ん、ちょっと、とおして、くださ'い。",
    "ひるごはんわ、なにに、しましょうか。",
    "かいしゃに、でんわを、かけなければ、なりません。",
    "あめが、ふりそうだから、かさを、もって、いこう。",
};
constexpr int kTalkers = static_cast<int>(std::size(kSentences));
// The rate the noise is made at: kept there, the talkers cost nothing to
// bring to it.
constexpr int kRateHz = 16000;

}  // namespace

int BabbleTalkerCount() { return kTalkers; }

std::string_view BabbleTalkerSentence(int index) {
  return index >= 0 && index < kTalkers ? kSentences[index] : std::string_view();
}

int BabbleTalkerVoice(int index, int presets) {
  presets = std::max(presets, 1);
  return presets >= kTalkers ? index * presets / kTalkers : index % presets;
}

std::optional<PcmSound> BabbleTalkerFromWave(const unsigned char* wav, std::size_t size) {
  auto sound = ReadPcmWave(wav, size);
  // Should libsox refuse, the talker stays at the engine's rate.
  if (sound && sound->rateHz != kRateHz)
    if (auto down = RunSoxEffects(sound->samples, sound->rateHz,
                                  {{"rate", std::to_string(kRateHz)}}, kRateHz))
      sound = PcmSound{kRateHz, std::move(*down)};
  return sound;
}

std::string BabbleTalkersKey(std::string_view programVersion,
                             std::optional<std::string_view> engineStamp,
                             std::string_view voiceStamp, const std::vector<std::string>& voices) {
  std::string key = "ruzdo " + std::string(programVersion) + '\n';
  if (engineStamp) key += "engine " + std::string(*engineStamp) + '\n';
  key += "voice " + std::string(voiceStamp) + '\n';
  key += "voices " + std::to_string(voices.size()) + " speed " +
         std::to_string(kBabbleTalkerSpeed) + " rate " + std::to_string(kRateHz) + '\n';
  for (int i = 0; i < kTalkers; ++i) {
    const int v = BabbleTalkerVoice(i, static_cast<int>(voices.size()));
    key += (v < static_cast<int>(voices.size()) ? voices[static_cast<std::size_t>(v)]
                                                : std::string()) +
           ' ' + std::string(kSentences[i]) + '\n';
  }
  return key;
}

}  // namespace ruzdo
