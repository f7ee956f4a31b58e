#include "image_button.h"

#include <QBitmap>
#include <QPainter>

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) { setFocusPolicy(Qt::NoFocus); }

void ImageButton::setImages(const QImage& face, const QImage& up, const QImage& down) {
  up_ = up;
  down_ = down;
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
  if (isDown() && !down_.isNull())
    p.drawImage(1, 1, down_);
  else
    p.drawImage(0, 0, up_);
}
