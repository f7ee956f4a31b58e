#pragma once

#include <vector>

#include "onsei/status.hpp"
#include "text/phonetic_text.hpp"

namespace onsei {

// The readings of a whole text are the combinations of the readings of its
// number tags that carry no VARIANT attribute of their own, the first such
// tag changing fastest. Reading 1 says every number in its usual way. The
// count stops at kMaxTextVariants: later combinations are not reached.
constexpr int kMaxTextVariants = 256;

// How many readings the text has (1 ... kMaxTextVariants); fails where a
// number tag cannot be read.
Result<int> CountTextVariants(const std::vector<Token>& tokens);

// Gives every number tag without a VARIANT attribute its part of reading
// `variant` of the text; a variant out of range gives the usual reading.
Status ChooseTextVariant(std::vector<Token>& tokens, int variant);

}  // namespace onsei
