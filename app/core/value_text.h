#pragma once

#include <string>
#include <string_view>

#include "core/tani.h"

namespace ruzdo {

// The values of the panel's track bars as the user reads them beside them.
// The question interval in seconds with a decimal comma: 2000 ms is "2,0 с",
// 2140 ms "2,14 с" (to the nearest 10 ms; ms >= 0).
std::string IntervalText(int ms);
// The speech speed as a share of the voice's normal rate (100): "90 %".
std::string SpeechSpeedText(int speed);

// The counter as written after value where it is said with it (本 after 3),
// "" where the bare number is said instead (つ after 11: じゅういち) or for
// tanNone. UTF-8.
std::string_view CounterShownAfter(TTani t, int value);

}  // namespace ruzdo
