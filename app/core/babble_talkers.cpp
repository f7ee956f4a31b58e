#include "babble_talkers.h"

#include <dlfcn.h>
#include <sys/stat.h>

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
constexpr int kTalkers = static_cast<int>(std::size(kSentences));
constexpr int kSpeed = 100;
// The rate the noise is made at: kept there, the talkers cost nothing to
// bring to it.
constexpr int kRateHz = 16000;

// The talkers spread over the engine's voices, men and women (the voices
// are listed by speaker).
const char* voiceOf(int index) {
  const int presets = std::max(Onsei_VoiceCount(), 1);
  return Onsei_VoiceName(presets >= kTalkers ? index * presets / kTalkers : index % presets);
}

// A file as its path, size and modification time ("" when it is not there).
std::string fileStamp(const char* path) {
  struct stat st {};
  if (!path || ::stat(path, &st) != 0) return {};
  return std::string(path) + ' ' + std::to_string(st.st_size) + ' ' +
         std::to_string(st.st_mtim.tv_sec) + '.' + std::to_string(st.st_mtim.tv_nsec);
}

}  // namespace

int BabbleTalkerCount() { return kTalkers; }

std::optional<PcmSound> MakeBabbleTalker(int index) {
  if (index < 0 || index >= kTalkers) return std::nullopt;
  const auto text = ToShiftJis(kSentences[index]);
  const char* voice = voiceOf(index);
  if (!text || !voice) return std::nullopt;
  int size = 0;
  unsigned char* wav = Onsei_SyntheVoice(text->c_str(), kSpeed, voice, &size);
  if (!wav) return std::nullopt;
  auto sound = ReadPcmWave(wav, static_cast<std::size_t>(std::max(size, 0)));
  Onsei_FreeWave(wav);
  // Should libsox refuse, the talker stays at the engine's rate.
  if (sound && sound->rateHz != kRateHz)
    if (auto down = RunSoxEffects(sound->samples, sound->rateHz,
                                  {{"rate", std::to_string(kRateHz)}}, kRateHz))
      sound = PcmSound{kRateHz, std::move(*down)};
  return sound;
}

std::string BabbleTalkersKey(std::string_view programVersion) {
  std::string key = "ruzdo " + std::string(programVersion) + '\n';
  Dl_info engine{};
  if (::dladdr(reinterpret_cast<void*>(&Onsei_SyntheVoice), &engine) != 0)
    key += "engine " + fileStamp(engine.dli_fname) + '\n';
  key += "voice " + fileStamp(Onsei_VoicePath()) + '\n';
  key += "voices " + std::to_string(Onsei_VoiceCount()) + " speed " + std::to_string(kSpeed) +
         " rate " + std::to_string(kRateHz) + '\n';
  for (int i = 0; i < kTalkers; ++i) {
    const char* voice = voiceOf(i);
    key += std::string(voice ? voice : "") + ' ' + std::string(kSentences[i]) + '\n';
  }
  return key;
}

const Talkers& BabbleTalkers() {
  static const Talkers talkers = [] {
    Talkers made;
    for (int i = 0; i < kTalkers; ++i)
      if (auto sound = MakeBabbleTalker(i)) made.voices.push_back(std::move(*sound));
    return made;
  }();
  return talkers;
}

}  // namespace ruzdo
