#pragma once

#include <vector>

#include "onsei/status.hpp"
#include "onsei/utterance.hpp"
#include "text/phonetic_text.hpp"

namespace onsei {

// Reads the tokens and gathers them into accent phrases and breath groups:
// "/" closes an accent phrase, "、", "。" and "？" close a breath group (and
// "？" makes its last phrase a question); each number tag forms accent
// phrases of its own, and kana right after a tag, up to the next "/" or
// pause, join the tag's last accent phrase.
Result<Utterance> BuildUtterance(const std::vector<Token>& tokens);

}  // namespace onsei
