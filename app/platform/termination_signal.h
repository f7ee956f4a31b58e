#pragma once

class QWidget;

namespace ruzdo {

// Closes window (as its close box does, so it saves what it keeps) when the
// process gets SIGTERM or SIGINT, e.g. at the end of the desktop session.
void CloseOnTerminationSignal(QWidget* window);

}  // namespace ruzdo
