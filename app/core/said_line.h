#pragma once

#include <optional>
#include <string>

#include "core/said.h"

namespace ruzdo {

// How the question said went: not judged (a plate listened to, a question
// named at Stop), right, or wrong with the plate clicked or none.
struct SaidVerdict {
  bool judged = false;
  bool wrong = false;
  std::optional<std::string> clicked;  // the clicked plate's value, UTF-8
};

// The line under the statistics: what was said (a sentence as it was said,
// a voice other than the standard one named) and how it went, then the
// engine's reading; the accessible name says the same with "; " before the
// reading. UTF-8.
struct SaidLine {
  std::string line;
  std::string accessible;
};

SaidLine ComposeSaidLine(const Said& said, const SaidVerdict& verdict, const std::string& reading);

}  // namespace ruzdo
