#include "image_button.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QPainter>

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
  // Tab only: a click on Start must leave the focus on the plate the user
  // answers with.
  setFocusPolicy(Qt::TabFocus);
}

void ImageButton::setImages(const QImage& face, const QImage& up, const QImage& down) {
  up_ = up;
  down_ = down;
  // Disabled: the up image in grey, faded halfway to white.
  disabled_ = up.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < disabled_.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(disabled_.scanLine(y));
    for (int x = 0; x < disabled_.width(); ++x) {
      const int g = (qGray(line[x]) + 255) / 2;
      line[x] = qRgb(g, g, g);
    }
  }
  shape_ = QRegion();
  if (!face.isNull()) {
    const QImage rgb = face.convertToFormat(QImage::Format_RGB32);
    const QRgb transparent = rgb.pixel(0, rgb.height() - 1);
    // The bitmap made this way leaves every pixel of the background colour out
    // of the shape.
    shape_ = QRegion(QBitmap::fromImage(rgb.createMaskFromColor(transparent, Qt::MaskInColor)));
  }
  if (shape_.isEmpty())
    clearMask();
  else
    setMask(shape_);
  update();
}

QSize ImageButton::sizeHint() const { return up_.size().expandedTo({1, 1}); }

bool ImageButton::hitButton(const QPoint& pos) const {
  return shape_.isEmpty() ? rect().contains(pos) : shape_.contains(pos);
}

void ImageButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!isEnabled() && !disabled_.isNull())
    p.drawImage(0, 0, disabled_);
  else if (isDown() && !down_.isNull())
    p.drawImage(1, 1, down_);
  else
    p.drawImage(0, 0, up_);
  if (hasFocus()) {
    // The focus mark follows the button's shape, inset so it stays inside it.
    QPen pen(palette().color(QPalette::Highlight), 2, Qt::DotLine);
    p.setPen(pen);
    const QRect box = shape_.isEmpty() ? rect() : shape_.boundingRect();
    p.drawRect(box.adjusted(6, 6, -7, -7));
  }
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    if (isEnabled()) animateClick();
    event->accept();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}
