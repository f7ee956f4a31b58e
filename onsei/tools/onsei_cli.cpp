// The onsei command: readings, phonemes, labels and speech for phonetic text
// given as UTF-8 or as a Shift-JIS file.
//
//   onsei read TEXT            the reading in hiragana with ' / 、 marks
//   onsei variants TEXT        every accepted reading, the usual one first
//   onsei phonemes TEXT        the phonemes
//   onsei labels TEXT          the full-context labels
//   onsei say TEXT [--speed N] [--voice NAME] -o FILE.wav
//   onsei voices               the voices, one per line: speaker, sex, style
// TEXT may be replaced by --sjis FILE (raw Shift-JIS); --variant N (read,
// phonemes, labels) gives the text's accepted reading N instead of the usual
// one. say takes a reading from the VARIANT attribute of a tag.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "labels/full_context.hpp"
#include "onsei/front_end.hpp"
#include "onsei/limits.hpp"
#include "onsei/synthesis.hpp"
#include "text/shift_jis.hpp"
#include "voice/voice_presets.hpp"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: onsei read [--variant N] TEXT\n"
               "       onsei variants TEXT\n"
               "       onsei phonemes TEXT\n"
               "       onsei labels TEXT\n"
               "       onsei say TEXT [--speed N] [--voice NAME] -o FILE.wav\n"
               "       onsei voices\n"
               "TEXT is UTF-8 phonetic text; --sjis FILE reads Shift-JIS text from FILE.\n"
               "N is 50 ... 300 (100 = normal, larger is faster).\n"
               "--variant N (read, phonemes, labels) picks reading N of those that\n"
               "onsei variants lists (1 = the usual one); say reads VARIANT=N in a tag.\n");
  return 2;
}

int failure(const std::string& message) {
  std::fprintf(stderr, "onsei: %s\n", message.c_str());
  return 1;
}

// Reads a Shift-JIS text file: a regular file of at most the engine's input
// limit (and a line end), never a FIFO, a device or a directory.
onsei::Result<std::string> readText(const char* path) {
  const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return onsei::Error{std::string("cannot read ") + path + ": " + std::strerror(errno)};
  struct stat st {};
  std::string bytes;
  std::string problem;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    problem = std::string(path) + " is not a regular file";
  } else {
    const std::size_t most = onsei::kMaxTextBytes + 2;  // room for "\r\n"
    bytes.resize(most + 1);
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = read(fd, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) problem = std::string("cannot read ") + path + ": " + std::strerror(errno);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    if (done > most)
      problem = std::string(path) + " is longer than " + std::to_string(onsei::kMaxTextBytes) +
                " bytes, the most the engine reads at once";
  }
  close(fd);
  if (!problem.empty()) return onsei::Error{problem};
  return bytes;
}

// A whole decimal number from min to max, range-checked before it is
// narrowed to int; what names it in the message.
onsei::Result<int> readWhole(const char* text, const char* what, long long min, long long max) {
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  if (end == text || *end || errno == ERANGE || value < min || value > max)
    return onsei::Error{std::string(what) + " " + std::string(text).substr(0, 24) +
                        " is not a number from " + std::to_string(min) + " to " +
                        std::to_string(max)};
  return static_cast<int>(value);
}

// A speed in decimal.
onsei::Result<int> readSpeed(const char* text) {
  return readWhole(text, "speed", onsei::kMinSpeed, onsei::kMaxSpeed);
}

// A reading number. One the text does not have says the usual reading, as
// the VARIANT attribute does.
onsei::Result<int> readVariant(const char* text) { return readWhole(text, "variant", 1, INT_MAX); }

// Every voice, tab-separated: name, speaker, sex, style, shape, description,
// and "missing" for a voice whose file is not installed.
int listVoices() {
  const auto& available = onsei::AvailableVoices();
  for (const onsei::VoicePreset& p : onsei::VoicePresets()) {
    const bool present = std::find(available.begin(), available.end(), &p) != available.end();
    std::printf("%s\t%s\t%s\t%s\thalf tones %+g, alpha %+g, beta %g, tempo %g\t%s%s\n",
                p.name.c_str(), p.file->speaker.c_str(), p.file->sex.c_str(), p.file->style.c_str(),
                p.shape.halfTones, p.shape.alphaShift, p.shape.beta, p.shape.tempo,
                p.description.c_str(), present ? "" : "\tmissing");
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 2 && std::strcmp(argv[1], "voices") == 0) return listVoices();
  if (argc < 3) return usage();
  const std::string command = argv[1];
  if (command != "read" && command != "variants" && command != "phonemes" && command != "labels" &&
      command != "say")
    return usage();

  // The text, as Shift-JIS, and the options.
  std::string sjis;
  std::string output;
  int speed = onsei::kNormalSpeed;
  int variant = 1;
  std::string voice = onsei::kStandardVoice;
  bool haveText = false;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--sjis" && i + 1 < argc) {
      auto text = readText(argv[++i]);
      if (!text) return failure(text.error().message);
      sjis = std::move(text.value());
      while (!sjis.empty() && (sjis.back() == '\n' || sjis.back() == '\r')) sjis.pop_back();
      haveText = true;
    } else if (arg == "--speed" && i + 1 < argc) {
      auto value = readSpeed(argv[++i]);
      if (!value) return failure(value.error().message);
      speed = *value;
    } else if (arg == "--variant" && i + 1 < argc) {
      auto value = readVariant(argv[++i]);
      if (!value) return failure(value.error().message);
      variant = *value;
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
    if (variant != 1)
      return failure("say takes a reading from VARIANT=N in the tag, not --variant");
    if (output.empty()) return usage();
    auto wav = onsei::Synthesiser::Instance().Synthesise(sjis, speed, voice);
    if (!wav) return failure(wav.error().message);
    std::ofstream out(output, std::ios::binary);
    out.write(reinterpret_cast<const char*>(wav->data()),
              static_cast<std::streamsize>(wav->size()));
    if (!out) return failure("cannot write " + output);
    return 0;
  }

  if (command == "variants") {
    auto count = onsei::CountVariants(sjis);
    if (!count) return failure(count.error().message);
    for (int v = 1; v <= *count; ++v) {
      auto reading = onsei::AnalyseText(sjis, v);
      if (!reading) return failure(reading.error().message);
      std::cout << onsei::FormatReading(*reading) << '\n';
    }
    return 0;
  }

  auto utterance = onsei::AnalyseText(sjis, variant);
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
