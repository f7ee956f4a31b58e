#pragma once

#include <cstddef>

namespace onsei {

// The most text the engine takes in one call. Longer text is refused with a
// message before any work is done on it, so no input can make a call run for
// minutes or take gigabytes. At normal speed 400 moras are 45 to 60 seconds
// of speech.
inline constexpr std::size_t kMaxTextBytes = 4096;
inline constexpr std::size_t kMaxNumberTags = 32;
inline constexpr std::size_t kMaxMoras = 400;
// Between two pauses ("、", "。", "？"): a breath cannot last longer.
inline constexpr std::size_t kMaxMorasWithoutPause = 120;
inline constexpr std::size_t kMaxPhrasesWithoutPause = 32;

}  // namespace onsei
