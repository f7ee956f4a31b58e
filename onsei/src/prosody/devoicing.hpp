#pragma once

#include "onsei/utterance.hpp"

namespace onsei {

// Marks the vowels that Tokyo speech devoices: i and u between voiceless
// consonants (きた → kIta, ななひき → nanahIki), never on the accent nucleus
// and never twice in a row. Devoiced vowels are written I and U.
void DevoiceVowels(Utterance& utterance);

}  // namespace onsei
