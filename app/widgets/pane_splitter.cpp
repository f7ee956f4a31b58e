#include "pane_splitter.h"

#include "pane_splitter_handle.h"

PaneSplitter::PaneSplitter(Qt::Orientation orientation, QWidget* parent)
    : QSplitter(orientation, parent) {
  setChildrenCollapsible(false);
}

void PaneSplitter::setHotSpot(int collapsingPane) {
  hotSpotPane_ = collapsingPane;
  update();
  for (int i = 0; i < count(); ++i)
    if (handle(i)) handle(i)->update();
}

void PaneSplitter::toggleCollapsed() {
  if (hotSpotPane_ < 0 || count() < 2) return;
  if (!collapsed_) {
    sizesBeforeCollapse_ = sizes();
    QList<int> s = sizesBeforeCollapse_;
    const int other = 1 - hotSpotPane_;
    s[other] += s[hotSpotPane_];
    s[hotSpotPane_] = 0;
    // The pane goes to zero length but stays shown: a hidden pane would take
    // its bar with it, and the bar is what brings the pane back.
    setCollapsible(hotSpotPane_, true);
    setSizes(s);
    collapsed_ = true;
  } else {
    setSizes(sizesBeforeCollapse_);
    setCollapsible(hotSpotPane_, false);
    collapsed_ = false;
  }
}

QSplitterHandle* PaneSplitter::createHandle() {
  return new PaneSplitterHandle(orientation(), this);
}

void PaneSplitter::resizeEvent(QResizeEvent* event) {
  QSplitter::resizeEvent(event);
  if (keptShare_ > 0 && count() == 2) {
    const int length = (orientation() == Qt::Horizontal ? width() : height()) - handleWidth();
    const int first = static_cast<int>(length * keptShare_ + 0.5);
    setSizes({first, length - first});
  }
}
