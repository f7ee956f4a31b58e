#pragma once

#include <string_view>
#include <vector>

#include "onsei/status.hpp"
#include "onsei/utterance.hpp"

namespace onsei {

// Reads a digit sequence the way a phone number or a code is read: digit by
// digit (2 and 5 lengthened), Latin letters by their names, "-" as の closing
// its group, a space as a phrase break. One accent phrase per group; an empty
// value gives no phrases.
Result<std::vector<AccentPhrase>> ReadSequence(std::string_view value);

}  // namespace onsei
