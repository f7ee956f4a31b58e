#include "plate_button.h"

#include <QBitmap>
#include <QImage>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

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

void PlateButton::setCaption(const QString& caption) {
  setText(caption);
  updateAccessibleName();
}

void PlateButton::setCounterWord(const QString& word) {
  counterWord_ = word;
  updateAccessibleName();
}

void PlateButton::updateAccessibleName() { setAccessibleName(text() + counterWord_); }

QSize PlateButton::sizeHint() const {
  QSize s = QPushButton::sizeHint();
  if (!glyph_.isNull()) s.rwidth() += glyph_.width() + kGlyphGap;
  return s;
}

PlateButton::Face PlateButton::face() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  const int room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width();
  const QString caption = text();
  Face f{font(), caption, !glyph_.isNull()};
  const auto needed = [&](const QFont& font, bool glyph) {
    const int textWidth = caption.isEmpty() ? 0 : QFontMetrics(font).horizontalAdvance(caption);
    return textWidth + (glyph ? glyph_.width() + (caption.isEmpty() ? 0 : kGlyphGap) : 0);
  };
  const int largest = f.font.pointSize() > 0 ? f.font.pointSize() : kMinCaptionPointSize;
  // With a picture: first with it, then without it.
  for (int pass = f.glyph ? 0 : 1; pass < 2; ++pass) {
    const bool glyph = pass == 0;
    for (int size = largest; size >= kMinCaptionPointSize; --size) {
      QFont candidate = f.font;
      candidate.setPointSize(size);
      if (needed(candidate, glyph) <= room) {
        f.font = candidate;
        f.glyph = glyph;
        return f;
      }
    }
  }
  f.font.setPointSize(std::min(largest, kMinCaptionPointSize));
  f.glyph = false;
  f.text = QFontMetrics(f.font).elidedText(caption, Qt::ElideRight, room);
  return f;
}

void PlateButton::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  // The style marks the focus with a thin line; the plate draws a frame of
  // its own instead, plain to see from a distance.
  const bool focused = option.state & QStyle::State_HasFocus;
  option.state &= ~QStyle::State_HasFocus;
  p.drawControl(QStyle::CE_PushButton, option);

  const Face f = face();
  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  const int textWidth = f.text.isEmpty() ? 0 : QFontMetrics(f.font).horizontalAdvance(f.text);
  const int glyphWidth = f.glyph ? glyph_.width() + (f.text.isEmpty() ? 0 : kGlyphGap) : 0;
  const int total = textWidth + glyphWidth;
  // Centred when it fits; otherwise from the left edge, so what is cut off is
  // the end and never the leading digits.
  int x = area.left() + std::max(0, (area.width() - total) / 2);
  const int shift =
      isDown() ? style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this) : 0;
  const int vshift =
      isDown() ? style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this) : 0;
  p.setClipRect(area);
  if (!f.text.isEmpty()) {
    p.setFont(f.font);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(QRect(x + shift, area.top() + vshift, textWidth, area.height()),
               Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, f.text);
    x += textWidth + kGlyphGap;
  }
  if (f.glyph)
    p.drawPixmap(x + shift, area.top() + (area.height() - glyph_.height()) / 2 + vshift, glyph_);
  if (focused) {
    p.setClipping(false);
    const QRect r = rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
    const QColor c = palette().color(QPalette::Highlight);
    p.fillRect(r.left(), r.top(), r.width(), kFocusFrame, c);
    p.fillRect(r.left(), r.bottom() - kFocusFrame + 1, r.width(), kFocusFrame, c);
    p.fillRect(r.left(), r.top(), kFocusFrame, r.height(), c);
    p.fillRect(r.right() - kFocusFrame + 1, r.top(), kFocusFrame, r.height(), c);
  }
}

void PlateButton::keyPressEvent(QKeyEvent* event) {
  if (onKey && onKey(this, *event)) return;
  const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      modifiers == Qt::NoModifier && !event->isAutoRepeat()) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}
