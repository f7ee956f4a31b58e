#pragma once

#include <QString>

#include "history/history_worker.h"

namespace ruzdo {

// What the notice pane says of the history: one short line, and the whole
// story for its tool tip and accessible description. Empty while all is well.
struct HistoryNotice {
  QString text;
  QString tip;
};

HistoryNotice NoticeOfHistory(const HistoryState& state);

}  // namespace ruzdo
