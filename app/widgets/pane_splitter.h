#pragma once

#include <QList>
#include <QSplitter>

// A splitter whose bar can be locked against dragging and can carry a hot
// spot: a strip over the middle 40 % of the bar whose first click collapses one
// pane and whose second click restores it.
class PaneSplitter : public QSplitter {
  Q_OBJECT
 public:
  PaneSplitter(Qt::Orientation orientation, QWidget* parent);

  void setLocked(bool locked) { locked_ = locked; }
  bool isLocked() const { return locked_; }

  // Enables the hot spot; it collapses the pane with the given index (0 or 1).
  void setHotSpot(int collapsingPane);
  bool hasHotSpot() const { return hotSpotPane_ >= 0; }
  int hotSpotPane() const { return hotSpotPane_; }
  bool isCollapsed() const { return collapsed_; }
  void toggleCollapsed();

  // Keeps the first pane at this share of the splitter's length on resize
  // (0 = off; the panes' stretch factors decide instead).
  void setKeptShare(double share) { keptShare_ = share; }

 protected:
  QSplitterHandle* createHandle() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool locked_ = false;
  int hotSpotPane_ = -1;
  bool collapsed_ = false;
  QList<int> sizesBeforeCollapse_;
  double keptShare_ = 0;
};
