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
// variant 2, 3, ... picks one of the other readings a native speaker accepts
// for that number and counter (data/variants.tsv); 1, and any variant the
// number does not have, gives the usual reading.
Result<std::vector<AccentPhrase>> ReadNumber(std::string_view value, std::u32string_view counter,
                                             int variant = 1);

// How many readings ReadNumber knows for the number and counter: 1 + its
// variants.
Result<int> NumberVariantCount(std::string_view value, std::u32string_view counter);

}  // namespace onsei
