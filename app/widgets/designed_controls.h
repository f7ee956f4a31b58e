#pragma once

#include <QString>

class ImageButton;
class QFrame;
class QLabel;
class QSlider;
class QSpinBox;
class QWidget;

// Controls made at the positions and sizes the window's design gives them.
namespace ruzdo {

// A caption sized to its text at x, y.
QLabel* addLabel(QWidget* parent, const QString& text, int x, int y);
// A spin edit of min ... max holding value, named name for tests and
// accessible for screen readers.
QSpinBox* addSpin(QWidget* parent, const char* name, const QString& accessible, int x, int y, int w,
                  int h, int min, int max, int value);
// A horizontal track bar with ticks below every tick.
QSlider* addTrackBar(QWidget* parent, const char* name, const QString& accessible, int x, int y,
                     int w, int min, int max, int tick, int value);
// A label that continues line `line` of caption up to the left edge `right`
// of its control.
QLabel* addValueLabel(QLabel* caption, const char* name, int line, int right);
// A raised panel.
QFrame* addPanel(QWidget* parent, const char* name);
// A run button drawn from its pictures (":/buttons/start_face.png" …).
ImageButton* addRunButton(QWidget* parent, const char* name, const QString& word, int x, int y,
                          int w, int h);

}  // namespace ruzdo
