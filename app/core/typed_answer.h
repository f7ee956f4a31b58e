#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ruzdo {

// Answering by typing a plate's caption: only its digits are typed ("4-07"
// is 407), whatever else the caption holds.
std::string CaptionDigits(std::string_view caption);

// What the digits typed so far name among the plates' captions.
struct TypedMatch {
  int plate = -1;        // the first plate whose digits are exactly these; -1 none
  bool partial = false;  // some plate's digits begin with them (more may come)
};
TypedMatch MatchTyped(std::string_view typed, const std::vector<std::string>& captions);

}  // namespace ruzdo
