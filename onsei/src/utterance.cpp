#include "onsei/utterance.hpp"

#include <cassert>

namespace onsei {

int AccentPhrase::moraCount() const {
  int n = 0;
  for (const Word& w : words) n += static_cast<int>(w.moras.size());
  return n;
}

const Mora& AccentPhrase::mora(int index) const {
  for (const Word& w : words) {
    if (index < static_cast<int>(w.moras.size())) return w.moras[static_cast<std::size_t>(index)];
    index -= static_cast<int>(w.moras.size());
  }
  assert(false && "mora index out of range");
  return words.back().moras.back();
}

}  // namespace onsei
