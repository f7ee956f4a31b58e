#include "labels/label_check.hpp"

#include <array>
#include <string_view>

namespace onsei {
namespace {

// P: a phoneme or xx; N: an integer or xx; W: a part-of-speech code or xx.
constexpr std::string_view kShape =
    "P^P-P+P=P/A:N+N+N/B:W-W_W/C:W_W+W/D:W+W_W/E:N_N!N_W-N/F:N_N#N_W@N_N|N_N/"
    "G:N_N%N_W_N/H:N_N/I:N-N@N+N&N-N|N+N/J:N_N/K:N+N-N";

bool isPhoneme(std::string_view p) {
  static constexpr std::array<std::string_view, 46> kPhonemes = {
      "xx", "sil", "pau", "a",  "i",  "u",  "e",  "o",  "A",  "I",  "U",  "E",  "O", "N", "cl", "k",
      "g",  "s",   "sh",  "z",  "j",  "t",  "ch", "ts", "d",  "n",  "h",  "f",  "b", "p", "m",  "y",
      "r",  "w",   "ky",  "gy", "ny", "hy", "by", "my", "ry", "py", "ty", "dy", "v", "xx"};
  for (std::string_view k : kPhonemes)
    if (k == p) return true;
  return false;
}

bool isNumber(std::string_view v) {
  if (v == "xx") return true;
  if (!v.empty() && v.front() == '-') v.remove_prefix(1);
  if (v.empty()) return false;
  for (char c : v)
    if (c < '0' || c > '9') return false;
  return true;
}

bool isCode(std::string_view v) {
  if (v.empty()) return false;
  for (char c : v)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))) return false;
  return true;
}

bool matches(std::string_view label) {
  std::size_t at = 0;
  for (std::size_t k = 0; k < kShape.size(); ++k) {
    const char t = kShape[k];
    if (t != 'P' && t != 'N' && t != 'W') {
      if (at >= label.size() || label[at] != t) return false;
      ++at;
      continue;
    }
    // A field runs to the next literal of the shape (or to the end).
    const char stop = k + 1 < kShape.size() ? kShape[k + 1] : '\0';
    std::size_t end = stop ? label.find(stop, at) : label.size();
    if (end == std::string_view::npos) return false;
    const std::string_view field = label.substr(at, end - at);
    const bool ok = t == 'P' ? isPhoneme(field) : t == 'N' ? isNumber(field) : isCode(field);
    if (!ok) return false;
    at = end;
  }
  return at == label.size();
}

}  // namespace

Status CheckLabels(const std::vector<std::string>& labels) {
  if (labels.size() < 2) return Error{"an utterance needs at least two labels"};
  for (std::size_t i = 0; i < labels.size(); ++i)
    if (!matches(labels[i]))
      return Error{"label " + std::to_string(i + 1) + " is malformed: " + labels[i]};
  return Ok();
}

}  // namespace onsei
