#pragma once

#include <string_view>
#include <vector>

#include "onsei/status.hpp"
#include "onsei/utterance.hpp"

namespace onsei {

// Reads a number tag: value is decimal digits (up to 16, optionally after a
// "-"), counter the counter's reading as written in the tag (kana with "'" and
// "ー"; empty for the plain number). Long numbers become one accent phrase per
// group of 兆, 億, 万 and units; the counter joins the last one.
Result<std::vector<AccentPhrase>> ReadNumber(std::string_view value, std::u32string_view counter);

}  // namespace onsei
