#include "pane_splitter_handle.h"

#include <QMouseEvent>
#include <QPainter>

#include "pane_splitter.h"

PaneSplitterHandle::PaneSplitterHandle(Qt::Orientation orientation, PaneSplitter* parent)
    : QSplitterHandle(orientation, parent) {}

PaneSplitter* PaneSplitterHandle::owner() const { return static_cast<PaneSplitter*>(splitter()); }

QRect PaneSplitterHandle::hotSpotRect() const {
  if (!owner()->hasHotSpot()) return {};
  if (orientation() == Qt::Horizontal) {
    const int length = height() * 2 / 5;
    return {0, (height() - length) / 2, width(), length};
  }
  const int length = width() * 2 / 5;
  return {(width() - length) / 2, 0, length, height()};
}

void PaneSplitterHandle::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Button));
  const QRect spot = hotSpotRect();
  if (spot.isEmpty()) return;
  // A raised strip with a row of grip dots and an arrow pointing the way the
  // pane will go.
  p.fillRect(spot.adjusted(1, 0, -1, 0), pal.color(QPalette::Midlight));
  p.setPen(pal.color(QPalette::Dark));
  p.drawRect(spot.adjusted(1, 0, -2, -1));
  const bool horizontal = orientation() == Qt::Horizontal;
  const int cx = spot.center().x();
  const int cy = spot.center().y();
  p.setPen(Qt::NoPen);
  p.setBrush(pal.color(QPalette::Shadow));
  // The arrow points toward the pane that a click will collapse, or away
  // from the edge once it is collapsed.
  const bool towardSecond = (owner()->hotSpotPane() == 1) != owner()->isCollapsed();
  QPolygon arrow;
  if (horizontal) {
    const int d = towardSecond ? 1 : -1;
    arrow << QPoint(cx - 2 * d, cy - 4) << QPoint(cx + 2 * d, cy) << QPoint(cx - 2 * d, cy + 4);
  } else {
    const int d = towardSecond ? 1 : -1;
    arrow << QPoint(cx - 4, cy - 2 * d) << QPoint(cx, cy + 2 * d) << QPoint(cx + 4, cy - 2 * d);
  }
  p.drawPolygon(arrow);
  for (int i = -3; i <= 3; ++i) {
    if (i > -2 && i < 2) continue;
    if (horizontal)
      p.drawRect(cx - 1, cy + i * 8, 2, 2);
    else
      p.drawRect(cx + i * 8, cy - 1, 2, 2);
  }
}

void PaneSplitterHandle::mousePressEvent(QMouseEvent* event) {
  pressedOnHotSpot_ = hotSpotRect().contains(event->position().toPoint());
  if (pressedOnHotSpot_ || owner()->isLocked() || owner()->isCollapsed()) return;
  QSplitterHandle::mousePressEvent(event);
}

void PaneSplitterHandle::mouseMoveEvent(QMouseEvent* event) {
  if (pressedOnHotSpot_ || owner()->isLocked() || owner()->isCollapsed()) return;
  QSplitterHandle::mouseMoveEvent(event);
}

void PaneSplitterHandle::mouseReleaseEvent(QMouseEvent* event) {
  if (pressedOnHotSpot_) {
    pressedOnHotSpot_ = false;
    if (hotSpotRect().contains(event->position().toPoint())) {
      owner()->toggleCollapsed();
      update();
    }
    return;
  }
  if (owner()->isLocked() || owner()->isCollapsed()) return;
  QSplitterHandle::mouseReleaseEvent(event);
}

bool PaneSplitterHandle::event(QEvent* event) {
  // A locked bar shows the ordinary arrow; the hot spot a pointing hand.
  if (event->type() == QEvent::HoverMove || event->type() == QEvent::MouseMove ||
      event->type() == QEvent::Enter) {
    QPoint pos = mapFromGlobal(QCursor::pos());
    if (hotSpotRect().contains(pos))
      setCursor(Qt::PointingHandCursor);
    else if (owner()->isLocked() || owner()->isCollapsed())
      setCursor(Qt::ArrowCursor);
    else
      setCursor(orientation() == Qt::Horizontal ? Qt::SplitHCursor : Qt::SplitVCursor);
  }
  return QSplitterHandle::event(event);
}
