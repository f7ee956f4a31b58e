#include "onsei/utterance.hpp"

namespace onsei {

int AccentPhrase::moraCount() const {
  int n = 0;
  for (const Word& w : words) n += static_cast<int>(w.moras.size());
  return n;
}

}  // namespace onsei
