#pragma once

#include <cstdint>

namespace ruzdo {

// What the plates show and the questions ask. The ordinals are kept in the
// settings and the history of answers: never renumber them.
enum class DrillMode : std::uint8_t {
  kNumbers = 0,    // a plate per number of the range; a number is said
  kSequences = 1,  // plates of digit sequences made from a template; one is said
};

}  // namespace ruzdo
