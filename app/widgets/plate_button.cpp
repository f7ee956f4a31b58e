#include "plate_button.h"

#include <QBitmap>
#include <QImage>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kGlyphGap = 4;  // pixels between caption and picture
}

PlateButton::PlateButton(QWidget* parent) : QPushButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAutoDefault(false);
}

void PlateButton::setGlyph(const QImage* image) {
  if (!image || image->isNull()) {
    glyph_ = QPixmap();
  } else {
    QPixmap pixmap = QPixmap::fromImage(*image);
    const QRgb background = image->pixel(0, image->height() - 1);
    pixmap.setMask(QBitmap::fromImage(image->convertToFormat(QImage::Format_RGB32)
                                          .createMaskFromColor(background, Qt::MaskInColor)));
    glyph_ = pixmap;
  }
  update();
}

QSize PlateButton::sizeHint() const {
  QSize s = QPushButton::sizeHint();
  if (!glyph_.isNull()) s.rwidth() += glyph_.width() + kGlyphGap;
  return s;
}

void PlateButton::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  p.drawControl(QStyle::CE_PushButton, option);

  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  const int textWidth = fontMetrics().horizontalAdvance(text());
  const int glyphWidth = glyph_.isNull() ? 0 : glyph_.width() + (text().isEmpty() ? 0 : kGlyphGap);
  const int total = textWidth + glyphWidth;
  int x = area.left() + (area.width() - total) / 2;
  const int shift =
      isDown() ? style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this) : 0;
  const int vshift =
      isDown() ? style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this) : 0;
  p.setClipRect(area);
  if (!text().isEmpty()) {
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(QRect(x + shift, area.top() + vshift, textWidth, area.height()),
               Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text());
    x += textWidth + kGlyphGap;
  }
  if (!glyph_.isNull())
    p.drawPixmap(x + shift, area.top() + (area.height() - glyph_.height()) / 2 + vshift, glyph_);
}

void PlateButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (onArrowKey && event->modifiers() == Qt::NoModifier) {
        onArrowKey(this, event->key());
        return;
      }
      break;
    default:
      break;
  }
  QPushButton::keyPressEvent(event);
}
