#include "voice/voice_presets.hpp"

#include <cstdlib>

#include "data/embedded.hpp"
#include "data/tables.hpp"

namespace onsei {
namespace {

double number(const std::vector<std::string>& row, std::size_t i, double fallback) {
  if (i >= row.size() || row[i].empty()) return fallback;
  char* end = nullptr;
  const double v = std::strtod(row[i].c_str(), &end);
  return end && *end == '\0' ? v : fallback;
}

}  // namespace

const std::vector<VoicePreset>& VoicePresets() {
  static const std::vector<VoicePreset> presets = [] {
    std::vector<VoicePreset> list;
    for (const auto& row : ParseTable(EmbeddedTable("voices.tsv"))) {
      if (row.empty() || row[0].empty()) continue;
      VoicePreset p;
      p.name = row[0];
      p.shape.halfTones = number(row, 1, 0);
      p.shape.alphaShift = number(row, 2, 0);
      p.shape.beta = number(row, 3, 0);
      p.shape.tempo = number(row, 4, 1);
      if (row.size() > 5) p.description = row[5];
      list.push_back(std::move(p));
    }
    return list;
  }();
  return presets;
}

const VoicePreset* FindVoicePreset(std::string_view name) {
  for (const VoicePreset& p : VoicePresets())
    if (p.name == name) return &p;
  return nullptr;
}

std::string VoiceNames() {
  std::string names;
  for (const VoicePreset& p : VoicePresets()) {
    if (!names.empty()) names += ", ";
    names += p.name;
  }
  return names;
}

Error UnknownVoice(std::string_view name) {
  return Error{"unknown voice \"" + std::string(name) + "\" (the voices are " + VoiceNames() + ")"};
}

}  // namespace onsei
