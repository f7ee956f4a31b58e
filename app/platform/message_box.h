#pragma once

#include <QString>

class QWidget;

namespace ruzdo {

// The program's title, used by its message boxes.
inline constexpr const char* kAppTitle = "Ruzdo";
// The narrowest a message box gets, in pixels.
inline constexpr int kMinMessageWidth = 240;

// A modal message box: the text, one OK button, no icon, centred on the
// screen, titled with the program's title. Returns when it is closed.
void ShowMessage(QWidget* parent, const QString& text);

}  // namespace ruzdo
