#pragma once

#include <QString>
#include <optional>

#include "core/drill_run.h"
#include "core/said.h"

namespace ruzdo {

// The line of what was said and how it went, then its reading:
// «Сказано: 25本 (Женщина 1, радостная). Нажато: 24 — ニジューゴホン»; for
// screen readers with "; " before the reading.
struct SaidLine {
  QString text;
  QString accessible;
};
// judged: the question's answer is known (wrong, and the plate clicked or
// none); reading: the engine's reading of what was said, or "".
SaidLine SaidLineOf(const Said& said, bool judged, bool wrong,
                    const std::optional<QString>& clicked, const QString& reading);

// The run's result: «Итог: 8 из 10; ошибки: 7 ×2, 9 ×1».
QString RunSummary(const DrillRun& run);

}  // namespace ruzdo
