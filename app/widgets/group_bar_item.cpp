#include "group_bar_item.h"

#include <QPainter>

namespace {
constexpr int kPadding = 2;
}

GroupBarItem::GroupBarItem(const QString& text, QWidget* parent) : QAbstractButton(parent) {
  setText(text);
  setFocusPolicy(Qt::TabFocus);  // a click leaves the focus where it was
  setCursor(Qt::PointingHandCursor);
  setAccessibleName(text);
}

QSize GroupBarItem::sizeHint() const {
  const QFontMetrics fm = fontMetrics();
  return {fm.horizontalAdvance(text()) + 2 * kPadding, fm.height() + 2 * kPadding};
}

QSize GroupBarItem::minimumSizeHint() const {
  // As narrow as the longest word.
  int widest = 0;
  for (const QString& word : text().split(QLatin1Char(' ')))
    widest = std::max(widest, fontMetrics().horizontalAdvance(word));
  return {widest + 2 * kPadding, fontMetrics().height() + 2 * kPadding};
}

int GroupBarItem::heightForWidth(int width) const {
  const QRect r = fontMetrics().boundingRect(QRect(0, 0, width - 2 * kPadding, 10000),
                                             Qt::TextWordWrap, text());
  return r.height() + 2 * kPadding;
}

void GroupBarItem::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QFont f = font();
  f.setUnderline(hovered_ || hasFocus());
  p.setFont(f);
  p.setPen(
      palette().color(QPalette::Active, isDown() ? QPalette::Highlight : QPalette::WindowText));
  p.drawText(rect().adjusted(kPadding, kPadding, -kPadding, -kPadding),
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
}

// The whole row takes clicks, as the hover marks it, also right of a short
// word.
bool GroupBarItem::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void GroupBarItem::resizeEvent(QResizeEvent* event) {
  QAbstractButton::resizeEvent(event);
  // A narrow bar wraps the text onto more lines: grow to hold them.
  const int needed = heightForWidth(width());
  if (height() != needed) setFixedHeight(needed);
}

void GroupBarItem::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void GroupBarItem::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}
