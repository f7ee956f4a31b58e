#pragma once

#include <string>
#include <vector>

#include "onsei/status.hpp"

namespace onsei {

// Checks that every label has the exact shape of the Japanese full-context
// format and names only phonemes of the voice's set; hts_engine itself would
// take nonsense without a word.
Status CheckLabels(const std::vector<std::string>& labels);

}  // namespace onsei
