#include "plate_button.h"

#include <QBitmap>
#include <QImage>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <utility>

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

namespace {

// The caption split into lines no wider than width in font: after a "-" or a
// space where it can be, else between any two characters. An empty list when
// even one character is too wide.
QStringList wrapCaption(const QString& caption, const QFont& font, int width) {
  const QFontMetrics metrics(font);
  QStringList pieces;  // each ends after a "-" or a space
  QString piece;
  for (const QChar c : caption) {
    piece += c;
    if (c == QLatin1Char('-') || c == QLatin1Char(' ')) {
      pieces << piece;
      piece.clear();
    }
  }
  if (!piece.isEmpty()) pieces << piece;
  QStringList lines;
  QString line;
  for (const QString& p : std::as_const(pieces)) {
    if (metrics.horizontalAdvance(line + p) <= width) {
      line += p;
      continue;
    }
    if (!line.isEmpty()) lines << line;
    line.clear();
    for (const QChar c : p) {
      if (metrics.horizontalAdvance(line + c) > width) {
        if (line.isEmpty()) return {};
        lines << line;
        line.clear();
      }
      line += c;
    }
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}

}  // namespace

PlateButton::Face PlateButton::face() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  const QString caption = text();
  Face f{font(), {caption}, !glyph_.isNull()};
  if (caption.isEmpty()) return f;
  const int largest = std::max(f.font.pointSize(), kMinCaptionPointSize);
  const auto sized = [&](int size) {
    QFont candidate = f.font;
    candidate.setPointSize(size);
    return candidate;
  };
  // On one line, first with the picture, then without it.
  for (int pass = f.glyph ? 0 : 1; pass < 2; ++pass) {
    const int glyphWidth = pass == 0 ? glyph_.width() + kGlyphGap : 0;
    for (int size = largest; size >= kMinCaptionPointSize; --size) {
      const QFont candidate = sized(size);
      if (QFontMetrics(candidate).horizontalAdvance(caption) + glyphWidth <= room.width()) {
        f.font = candidate;
        f.glyph = pass == 0;
        return f;
      }
    }
  }
  // Over as many lines as the plate holds, in the largest size that fits.
  f.glyph = false;
  for (int size = largest; size >= kSmallestPointSize; --size) {
    const QFont candidate = sized(size);
    const QStringList lines = wrapCaption(caption, candidate, room.width());
    if (!lines.isEmpty() &&
        lines.size() * QFontMetrics(candidate).lineSpacing() <= std::max(0, room.height())) {
      f.font = candidate;
      f.lines = lines;
      return f;
    }
  }
  // A plate too small for any of it: the smallest size, one character a line
  // at worst; what overflows the plate is clipped, never replaced.
  f.font = sized(kSmallestPointSize);
  const QStringList lines = wrapCaption(caption, f.font, room.width());
  f.lines = lines.isEmpty() ? caption.split(QString(), Qt::SkipEmptyParts) : lines;
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
  const QFontMetrics metrics(f.font);
  int textWidth = 0;
  for (const QString& line : f.lines)
    textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
  const int glyphWidth = f.glyph ? glyph_.width() + (textWidth == 0 ? 0 : kGlyphGap) : 0;
  const int total = textWidth + glyphWidth;
  // Centred; a caption wider than the plate starts at its left edge.
  int x = area.left() + std::max(0, (area.width() - total) / 2);
  const int shift =
      isDown() ? style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this) : 0;
  const int vshift =
      isDown() ? style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this) : 0;
  p.setClipRect(area);
  if (textWidth > 0) {
    p.setFont(f.font);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const int height = static_cast<int>(f.lines.size()) * metrics.lineSpacing();
    int y = area.top() + (area.height() - height) / 2 + vshift;
    for (const QString& line : f.lines) {
      p.drawText(QRect(x + shift, y, textWidth, metrics.lineSpacing()),
                 Qt::AlignVCenter | Qt::AlignHCenter | Qt::TextSingleLine, line);
      y += metrics.lineSpacing();
    }
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
