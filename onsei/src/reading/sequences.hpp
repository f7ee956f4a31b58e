#pragma once

#include <string_view>
#include <vector>

#include "onsei/status.hpp"
#include "onsei/utterance.hpp"

namespace onsei {

// Reads a digit sequence the way a phone number or a code is read: digit by
// digit (2 and 5 lengthened), Latin letters by their names, "-" as の closing
// its group, a space as a phrase break. One accent phrase per group; an empty
// value gives no phrases. variant 2 reads every character that has another
// name by that name (0 as れい); 1, and any other, the usual names.
Result<std::vector<AccentPhrase>> ReadSequence(std::string_view value, int variant = 1);

// 2 when a character of the sequence has another name (a 0), else 1.
int SequenceVariantCount(std::string_view value);

}  // namespace onsei
