#pragma once

#include "onsei/utterance.hpp"

namespace onsei {

// Gives a flat accent phrase that ends in the copula (です, でした, でしょう,
// maybe with a particle after it) the copula's own fall: さんです →
// さんで'す, よていでしょう → よていでしょ'う. An accented phrase keeps its
// fall (はち'です). The forms are in data/copula.tsv.
void AccentCopula(Utterance& utterance);

}  // namespace onsei
