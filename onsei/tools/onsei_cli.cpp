// The onsei command: reads, phonemes (and, with the synthesis back end,
// labels and speech) for phonetic text given as UTF-8 or as a Shift-JIS file.
//
//   onsei read TEXT | --sjis FILE
//   onsei phonemes TEXT | --sjis FILE
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "onsei/front_end.hpp"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: onsei read TEXT\n"
               "       onsei phonemes TEXT\n"
               "TEXT is UTF-8 phonetic text; --sjis FILE reads Shift-JIS text from FILE.\n");
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) return usage();
  const std::string command = argv[1];
  onsei::Result<onsei::Utterance> utterance = onsei::Error{""};
  if (std::strcmp(argv[2], "--sjis") == 0) {
    if (argc < 4) return usage();
    std::ifstream in(argv[3], std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "onsei: cannot read %s\n", argv[3]);
      return 1;
    }
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    utterance = onsei::AnalyseText(text);
  } else {
    utterance = onsei::AnalyseUtf8(argv[2]);
  }
  if (command != "read" && command != "phonemes") return usage();
  if (!utterance) {
    std::fprintf(stderr, "onsei: %s\n", utterance.error().message.c_str());
    return 1;
  }
  if (command == "read")
    std::cout << onsei::FormatReading(*utterance) << '\n';
  else
    std::cout << onsei::FormatPhonemes(*utterance) << '\n';
  return 0;
}
