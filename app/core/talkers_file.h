#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "listening_condition.h"

namespace ruzdo {

// Talkers kept in a file between runs: the samples exactly as they were
// made, under a key that names what made them (the program, the engine, the
// sentences and voices), and a checksum over the whole.
std::vector<unsigned char> EncodeTalkers(const Talkers& talkers, std::string_view key);
// Nothing for bytes of another kind or key, cut short, or damaged.
std::optional<Talkers> DecodeTalkers(const std::vector<unsigned char>& bytes, std::string_view key);

// The talkers in the file at path under key; nothing when it is missing,
// unreadable, damaged or made under another key.
std::optional<Talkers> ReadTalkersFile(const std::string& path, std::string_view key);
// Writes them to a temporary file beside path and renames it over path, so
// that path holds either what was there or the whole of the new file; makes
// the folder if needed. False when any step fails (nothing is left behind).
bool WriteTalkersFile(const std::string& path, const Talkers& talkers, std::string_view key);

}  // namespace ruzdo
