#pragma once

#include <QPixmap>
#include <QPushButton>
#include <functional>

class QImage;

// One plate of the grid: a push button that draws its picture to the right of
// its caption, with the picture's background (its bottom-left pixel) transparent.
class PlateButton : public QPushButton {
  Q_OBJECT
 public:
  explicit PlateButton(QWidget* parent);

  // Takes its own copy of the picture; null removes it.
  void setGlyph(const QImage* image);
  bool hasGlyph() const { return !glyph_.isNull(); }
  QSize glyphSize() const { return glyph_.size(); }

  // Called for the arrow keys with the step the grid should move the focus by.
  std::function<void(PlateButton*, int key)> onArrowKey;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPixmap glyph_;
};
