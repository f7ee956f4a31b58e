// The C interface: the engine's results as malloc'ed WAV images, and errors
// as null plus a message per thread.
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

#include "onsei/front_end.hpp"
#include "onsei/onsei.h"
#include "onsei/synthesis.hpp"
#include "voice/hts_voice.hpp"
#include "voice/voice_presets.hpp"

namespace {
thread_local std::string lastError;

std::nullptr_t fail(std::string message) {
  lastError = std::move(message);
  return nullptr;
}
}  // namespace

extern "C" unsigned char* Onsei_Synthe(const char* koe, int speed, int* size) {
  return Onsei_SyntheVoice(koe, speed, onsei::kStandardVoice, size);
}

extern "C" unsigned char* Onsei_SyntheVoice(const char* koe, int speed, const char* voice,
                                            int* size) {
  if (size) *size = 0;
  if (!koe) return fail("no text (null pointer)");
  if (!size) return fail("no place for the size (null pointer)");
  if (!voice) return fail("no voice name (null pointer)");
  auto wav = onsei::Synthesiser::Instance().Synthesise(koe, speed, voice);
  if (!wav) return fail(wav.error().message);
  auto* image = static_cast<unsigned char*>(std::malloc(wav->size()));
  if (!image) return fail("out of memory for the waveform");
  std::memcpy(image, wav->data(), wav->size());
  *size = static_cast<int>(wav->size());
  lastError.clear();
  return image;
}

extern "C" void Onsei_FreeWave(unsigned char* wave) { std::free(wave); }

extern "C" char* Onsei_Reading(const char* koe) {
  if (!koe) return fail("no text (null pointer)");
  auto utterance = onsei::AnalyseText(koe);
  if (!utterance) return fail(utterance.error().message);
  const std::string reading = onsei::FormatReading(*utterance);
  auto* text = static_cast<char*>(std::malloc(reading.size() + 1));
  if (!text) return fail("out of memory for the reading");
  std::memcpy(text, reading.c_str(), reading.size() + 1);
  lastError.clear();
  return text;
}

extern "C" int Onsei_VariantCount(const char* koe) {
  if (!koe) {
    fail("no text (null pointer)");
    return 0;
  }
  auto count = onsei::CountVariants(koe);
  if (!count) {
    fail(count.error().message);
    return 0;
  }
  lastError.clear();
  return *count;
}

extern "C" void Onsei_FreeText(char* text) { std::free(text); }

extern "C" const char* Onsei_LastError(void) { return lastError.c_str(); }

extern "C" int Onsei_LoadVoice(void) {
  onsei::Status s = onsei::Synthesiser::Instance().LoadVoice();
  if (!s) {
    lastError = s.error().message;
    return 0;
  }
  lastError.clear();
  return 1;
}

extern "C" const char* Onsei_VoicePath(void) {
  thread_local std::string path;
  path = onsei::VoicePath();
  return path.c_str();
}

extern "C" int Onsei_VoiceCount(void) { return static_cast<int>(onsei::AvailableVoices().size()); }

extern "C" const char* Onsei_VoiceName(int index) {
  const auto& voices = onsei::AvailableVoices();
  if (index < 0 || static_cast<std::size_t>(index) >= voices.size()) return nullptr;
  return voices[static_cast<std::size_t>(index)]->name.c_str();
}
