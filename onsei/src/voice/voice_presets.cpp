#include "voice/voice_presets.hpp"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <map>

#include "data/embedded.hpp"
#include "data/tables.hpp"
#include "voice/hts_voice.hpp"

#ifndef ONSEI_VOICE_DIR
#define ONSEI_VOICE_DIR "/usr/share/onsei/voices"
#endif
#ifndef ONSEI_SOURCE_VOICE_DIR
#define ONSEI_SOURCE_VOICE_DIR ""
#endif

namespace onsei {
namespace {

double number(const std::vector<std::string>& row, std::size_t i, double fallback) {
  if (i >= row.size() || row[i].empty()) return fallback;
  char* end = nullptr;
  const double v = std::strtod(row[i].c_str(), &end);
  return end && *end == '\0' ? v : fallback;
}

std::string cell(const std::vector<std::string>& row, std::size_t i) {
  return i < row.size() ? row[i] : std::string();
}

bool exists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The voice folders beside the library or program this code is in, as an
// install under any prefix has them: <prefix>/lib[/<arch>]/libonsei.so and
// <prefix>/bin/onsei, with <prefix>/share/onsei/voices.
std::vector<std::string> besideThisFile() {
  Dl_info info{};
  std::string file;
  if (dladdr(reinterpret_cast<void*>(&VoiceChecksum), &info) != 0 && info.dli_fname)
    file = info.dli_fname;
  if (file.empty() || file.front() != '/') {
    char exe[4096];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    file = n > 0 ? std::string(exe, static_cast<std::size_t>(n)) : std::string();
  }
  const std::size_t slash = file.rfind('/');
  if (slash == std::string::npos) return {};
  const std::string folder = file.substr(0, slash);
  return {folder + "/../share/onsei/voices", folder + "/../../share/onsei/voices"};
}

}  // namespace

const std::vector<VoiceFile>& VoiceFiles() {
  static const std::vector<VoiceFile> files = [] {
    std::vector<VoiceFile> list;
    for (const auto& row : ParseTable(EmbeddedTable("voice_files.tsv"))) {
      if (row.size() < 6 || row[0].empty()) continue;
      VoiceFile f;
      f.file = row[0];
      f.speaker = row[1];
      f.sex = row[2];
      f.style = row[3];
      f.bytes = static_cast<std::size_t>(std::strtoull(row[4].c_str(), nullptr, 10));
      f.checksum = std::strtoull(row[5].c_str(), nullptr, 16);
      list.push_back(std::move(f));
    }
    return list;
  }();
  return files;
}

const std::vector<VoicePreset>& VoicePresets() {
  static const std::vector<VoicePreset> presets = [] {
    std::map<std::string, const VoiceFile*, std::less<>> byFile;
    for (const VoiceFile& f : VoiceFiles()) byFile[f.file] = &f;
    std::vector<VoicePreset> list;
    for (const auto& row : ParseTable(EmbeddedTable("voices.tsv"))) {
      if (row.size() < 2 || row[0].empty()) continue;
      const auto file = byFile.find(row[1]);
      if (file == byFile.end()) continue;  // the tests make sure none is dropped
      VoicePreset p;
      p.name = row[0];
      p.file = file->second;
      p.shape.halfTones = number(row, 2, 0);
      p.shape.alphaShift = number(row, 3, 0);
      p.shape.beta = number(row, 4, 0);
      p.shape.tempo = number(row, 5, 1);
      p.description = cell(row, 6);
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

const std::vector<const VoicePreset*>& AvailableVoices() {
  static const std::vector<const VoicePreset*> available = [] {
    std::vector<const VoicePreset*> list;
    std::map<const VoiceFile*, bool> present;
    for (const VoicePreset& p : VoicePresets()) {
      auto [it, added] = present.emplace(p.file, false);
      if (added) it->second = exists(VoiceFilePath(*p.file));
      if (it->second || list.empty()) list.push_back(&p);
    }
    return list;
  }();
  return available;
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

std::string VoiceFilePath(const VoiceFile& file) {
  if (file.file == kDebianVoicePath) return VoicePath();
  if (!file.file.empty() && file.file.front() == '/') return file.file;
  const char* env = std::getenv("ONSEI_VOICE_DIR");
  if (env && *env) return std::string(env) + "/" + file.file;
  static const std::vector<std::string> folders = [] {
    std::vector<std::string> list = {ONSEI_VOICE_DIR};
    for (const std::string& f : besideThisFile()) list.push_back(f);
    if (*ONSEI_SOURCE_VOICE_DIR) list.emplace_back(ONSEI_SOURCE_VOICE_DIR);
    return list;
  }();
  for (const std::string& folder : folders)
    if (exists(folder + "/" + file.file)) return folder + "/" + file.file;
  return folders.front() + "/" + file.file;  // named in the error when it is missing
}

std::uint64_t VoiceChecksum(std::string_view bytes) {
  std::uint64_t h = 1469598103934665603ULL;
  for (char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ULL;
  }
  return h;
}

bool IsKnownVoiceImage(std::string_view bytes) {
  bool sized = false;
  for (const VoiceFile& f : VoiceFiles()) sized = sized || f.bytes == bytes.size();
  if (!sized) return false;
  const std::uint64_t sum = VoiceChecksum(bytes);
  for (const VoiceFile& f : VoiceFiles())
    if (f.bytes == bytes.size() && f.checksum == sum) return true;
  return false;
}

}  // namespace onsei
