#pragma once

#include <QSplitterHandle>

class PaneSplitter;

// The bar of a PaneSplitter: paints the hot spot and routes its clicks.
class PaneSplitterHandle : public QSplitterHandle {
  Q_OBJECT
 public:
  PaneSplitterHandle(Qt::Orientation orientation, PaneSplitter* parent);

  // The hot spot strip in the handle's coordinates; empty without a hot spot.
  QRect hotSpotRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  PaneSplitter* owner() const;
  bool pressedOnHotSpot_ = false;
};
