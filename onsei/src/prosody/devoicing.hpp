#pragma once

#include "onsei/utterance.hpp"

namespace onsei {

// Marks the vowels that Tokyo speech devoices: i and u between voiceless
// consonants (きた → kIta, ななひき → nanahIki), never on the accent nucleus
// and never twice in a row; and the u of a final す in です or ます before a
// pause, unless the phrase is a question. Devoiced vowels are written I and U.
void DevoiceVowels(Utterance& utterance);

}  // namespace onsei
