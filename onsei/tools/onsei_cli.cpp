// The onsei command: readings, phonemes, labels and speech for phonetic text
// given as UTF-8 or as a Shift-JIS file.
//
//   onsei read TEXT            the reading in hiragana with ' / 、 marks
//   onsei phonemes TEXT        the phonemes
//   onsei labels TEXT          the full-context labels
//   onsei say TEXT [--speed N] [--voice NAME] -o FILE.wav
//   onsei voices               the voice presets, one per line
// TEXT may be replaced by --sjis FILE (raw Shift-JIS).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "labels/full_context.hpp"
#include "onsei/front_end.hpp"
#include "onsei/synthesis.hpp"
#include "text/shift_jis.hpp"
#include "voice/voice_presets.hpp"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: onsei read TEXT\n"
               "       onsei phonemes TEXT\n"
               "       onsei labels TEXT\n"
               "       onsei say TEXT [--speed N] [--voice NAME] -o FILE.wav\n"
               "       onsei voices\n"
               "TEXT is UTF-8 phonetic text; --sjis FILE reads Shift-JIS text from FILE.\n"
               "N is 50 ... 300 (100 = normal, larger is faster).\n");
  return 2;
}

int failure(const std::string& message) {
  std::fprintf(stderr, "onsei: %s\n", message.c_str());
  return 1;
}

// Name, shape and description of every preset, tab-separated.
int listVoices() {
  for (const onsei::VoicePreset& p : onsei::VoicePresets())
    std::printf("%s\thalf tones %+g, alpha %+g, beta %g, tempo %g\t%s\n", p.name.c_str(),
                p.shape.halfTones, p.shape.alphaShift, p.shape.beta, p.shape.tempo,
                p.description.c_str());
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 2 && std::strcmp(argv[1], "voices") == 0) return listVoices();
  if (argc < 3) return usage();
  const std::string command = argv[1];
  if (command != "read" && command != "phonemes" && command != "labels" && command != "say")
    return usage();

  // The text, as Shift-JIS, and the options.
  std::string sjis;
  std::string output;
  int speed = onsei::kNormalSpeed;
  std::string voice = onsei::kStandardVoice;
  bool haveText = false;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--sjis" && i + 1 < argc) {
      std::ifstream in(argv[++i], std::ios::binary);
      if (!in) return failure(std::string("cannot read ") + argv[i]);
      std::stringstream bytes;
      bytes << in.rdbuf();
      sjis = bytes.str();
      while (!sjis.empty() && (sjis.back() == '\n' || sjis.back() == '\r')) sjis.pop_back();
      haveText = true;
    } else if (arg == "--speed" && i + 1 < argc) {
      char* end = nullptr;
      speed = static_cast<int>(std::strtol(argv[++i], &end, 10));
      if (!end || *end) return usage();
    } else if (arg == "--voice" && i + 1 < argc) {
      voice = argv[++i];
    } else if (arg == "-o" && i + 1 < argc) {
      output = argv[++i];
    } else if (!haveText) {
      auto encoded = onsei::EncodeShiftJis(arg);
      if (!encoded) return failure(encoded.error().message);
      sjis = *encoded;
      haveText = true;
    } else {
      return usage();
    }
  }
  if (!haveText) return usage();
  if (!onsei::FindVoicePreset(voice)) return failure(onsei::UnknownVoice(voice).message);

  if (command == "say") {
    if (output.empty()) return usage();
    auto wav = onsei::Synthesiser::Instance().Synthesise(sjis, speed, voice);
    if (!wav) return failure(wav.error().message);
    std::ofstream out(output, std::ios::binary);
    out.write(reinterpret_cast<const char*>(wav->data()),
              static_cast<std::streamsize>(wav->size()));
    if (!out) return failure("cannot write " + output);
    return 0;
  }

  auto utterance = onsei::AnalyseText(sjis);
  if (!utterance) return failure(utterance.error().message);
  if (command == "read") {
    std::cout << onsei::FormatReading(*utterance) << '\n';
  } else if (command == "phonemes") {
    std::cout << onsei::FormatPhonemes(*utterance) << '\n';
  } else {
    for (const std::string& label : onsei::MakeLabels(*utterance)) std::cout << label << '\n';
  }
  return 0;
}
