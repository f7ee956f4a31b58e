// The one place that calls the speech engine.
#include "speech_engine.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <algorithm>

#include "core/babble_talkers.h"
#include "core/speech_text.h"
#include "onsei/onsei.h"

namespace ruzdo {
namespace {

// A file as its path, size and modification time ("" when it is not there).
std::string fileStamp(const char* path) {
  struct stat st {};
  if (!path || ::stat(path, &st) != 0) return {};
  return std::string(path) + ' ' + std::to_string(st.st_size) + ' ' +
         std::to_string(st.st_mtim.tv_sec) + '.' + std::to_string(st.st_mtim.tv_nsec);
}

std::optional<PcmSound> engineTalker(int index) {
  const std::vector<std::string> voices = EngineVoiceNames();
  const auto text = ToShiftJis(BabbleTalkerSentence(index));
  const int voice = BabbleTalkerVoice(index, static_cast<int>(voices.size()));
  if (BabbleTalkerSentence(index).empty() || !text || voice >= static_cast<int>(voices.size()))
    return std::nullopt;
  int size = 0;
  unsigned char* wav = Onsei_SyntheVoice(text->c_str(), kBabbleTalkerSpeed,
                                         voices[static_cast<std::size_t>(voice)].c_str(), &size);
  if (!wav) return std::nullopt;
  auto sound = BabbleTalkerFromWave(wav, static_cast<std::size_t>(std::max(size, 0)));
  Onsei_FreeWave(wav);
  return sound;
}

std::string engineTalkersKey() {
  std::optional<std::string> engine;
  Dl_info library{};
  if (::dladdr(reinterpret_cast<void*>(&Onsei_SyntheVoice), &library) != 0)
    engine = fileStamp(library.dli_fname);
  return BabbleTalkersKey(RUZDO_VERSION, engine, fileStamp(Onsei_VoicePath()), EngineVoiceNames());
}

}  // namespace

SpeechEngine SpeechEngine::Onsei() {
  SpeechEngine e;
  // The standard voice goes to Onsei_Synthe, so that what it says stays
  // exactly as it always was.
  e.synthesise = [](const char* koe, int speed, const char* voice, int* size) {
    return voice && *voice ? Onsei_SyntheVoice(koe, speed, voice, size)
                           : Onsei_Synthe(koe, speed, size);
  };
  e.release = Onsei_FreeWave;
  e.reading = [](const char* koe) {
    char* reading = Onsei_Reading(koe);
    std::string text = reading ? reading : "";
    Onsei_FreeText(reading);
    return text;
  };
  e.variantCount = Onsei_VariantCount;
  e.talkers = {BabbleTalkerCount(), engineTalker, engineTalkersKey()};
  return e;
}

int TagVariantCount(const SpeechEngine& engine, const std::string& utf8Tag) {
  const auto sjis = ToShiftJis(utf8Tag);
  const int count = sjis && engine.variantCount ? engine.variantCount(sjis->c_str()) : 0;
  return count < 1 ? 1 : count;
}

std::vector<std::string> EngineVoiceNames() {
  std::vector<std::string> names;
  for (int i = 0; i < Onsei_VoiceCount(); ++i)
    if (const char* name = Onsei_VoiceName(i)) names.emplace_back(name);
  return names;
}

const Talkers& BabbleTalkers() {
  static const Talkers talkers = [] {
    Talkers made;
    for (int i = 0; i < BabbleTalkerCount(); ++i)
      if (auto sound = engineTalker(i)) made.voices.push_back(std::move(*sound));
    return made;
  }();
  return talkers;
}

}  // namespace ruzdo
