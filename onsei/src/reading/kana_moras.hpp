#pragma once

#include <string_view>
#include <vector>

#include "onsei/status.hpp"
#include "onsei/utterance.hpp"

namespace onsei {

enum class KanaStyle {
  AsWritten,  // each kana is said as it stands
  Reading,  // a Sino-Japanese reading: う after an o- or u-mora lengthens it (じゅう, びょう)
};

struct MoraRun {
  std::vector<Mora> moras;
  int accent = 0;  // mora (1-based) before the "'" mark; 0 = none
};

// Turns kana (with "ー" for a long vowel and "'" after the accented mora) into
// morae. Fails on a mark with no mora before it or on two "'" marks.
Result<MoraRun> KanaToMoras(std::u32string_view kana, KanaStyle style);

// The same for UTF-8 kana from the data tables.
Result<MoraRun> KanaToMoras(std::string_view utf8Kana, KanaStyle style);

}  // namespace onsei
