#include "babble_talkers.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include "onsei/onsei.h"
#include "sox_effects.h"
#include "speech_text.h"

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
constexpr int kSpeed = 100;
// The rate the noise is made at: kept there, the talkers cost nothing to
// bring to it.
constexpr int kRateHz = 16000;

Talkers makeTalkers() {
  Talkers talkers;
  // The talkers spread over the engine's voices, men and women (the voices
  // are listed by speaker).
  const int presets = std::max(Onsei_VoiceCount(), 1);
  constexpr int kTalkers = static_cast<int>(std::size(kSentences));
  int index = 0;
  for (std::string_view sentence : kSentences) {
    const auto text = ToShiftJis(sentence);
    const char* voice =
        Onsei_VoiceName(presets >= kTalkers ? index++ * presets / kTalkers : index++ % presets);
    if (!text || !voice) continue;
    int size = 0;
    unsigned char* wav = Onsei_SyntheVoice(text->c_str(), kSpeed, voice, &size);
    if (!wav) continue;
    auto sound = ReadPcmWave(wav, static_cast<std::size_t>(std::max(size, 0)));
    if (sound && sound->rateHz != kRateHz)
      if (auto down = RunSoxEffects(sound->samples, sound->rateHz,
                                    {{"rate", std::to_string(kRateHz)}}, kRateHz))
        sound = PcmSound{kRateHz, std::move(*down)};
    if (sound) talkers.voices.push_back(std::move(*sound));
    Onsei_FreeWave(wav);
  }
  return talkers;
}

}  // namespace

const Talkers& BabbleTalkers() {
  static const Talkers talkers = makeTalkers();
  return talkers;
}

}  // namespace ruzdo
