#include "widgets/designed_controls.h"

#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>

#include "widgets/image_button.h"

namespace ruzdo {

QLabel* addLabel(QWidget* parent, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->move(x, y);
  label->adjustSize();
  return label;
}

QSpinBox* addSpin(QWidget* parent, const char* name, const QString& accessible, int x, int y, int w,
                  int h, int min, int max, int value) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setAccessibleName(accessible);
  spin->setGeometry(x, y, w, h);
  spin->setRange(min, max);
  spin->setValue(value);
  spin->setAccelerated(false);
  spin->setKeyboardTracking(true);
  return spin;
}

QSlider* addTrackBar(QWidget* parent, const char* name, const QString& accessible, int x, int y,
                     int w, int min, int max, int tick, int value) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setObjectName(QString::fromLatin1(name));
  slider->setAccessibleName(accessible);
  slider->setGeometry(x, y, w, 40);
  slider->setRange(min, max);
  slider->setSingleStep(1);
  slider->setPageStep(1);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(tick);
  slider->setValue(value);
  return slider;
}

// A label that continues line `line` of caption up to the left edge `right`
// of its control.
QLabel* addValueLabel(QLabel* caption, const char* name, int line, int right) {
  auto* label = new QLabel(caption->parentWidget());
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  const QFontMetrics metrics = caption->fontMetrics();
  const QString captionLine = caption->text().split(QLatin1Char('\n')).value(line).trimmed();
  const int left = caption->x() + metrics.horizontalAdvance(captionLine + QLatin1Char(' '));
  const int top = caption->y() + (caption->height() * line) /
                                     std::max<int>(1, caption->text().count(QLatin1Char('\n')) + 1);
  label->setGeometry(left, top, right - left, metrics.height());
  return label;
}

QFrame* addPanel(QWidget* parent, const char* name) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(QString::fromLatin1(name));
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  frame->setLineWidth(1);
  return frame;
}

ImageButton* addRunButton(QWidget* parent, const char* name, const QString& word, int x, int y,
                          int w, int h) {
  auto* b = new ImageButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAccessibleName(word);
  b->setToolTip(word);
  const QString base = QStringLiteral(":/buttons/") + word.toLower();
  b->setImages(QImage(base + QStringLiteral("_face.png")), QImage(base + QStringLiteral("_up.png")),
               QImage(base + QStringLiteral("_down.png")));
  b->setGeometry(x, y, w, h);
  return b;
}

}  // namespace ruzdo
