#pragma once

#include <QAbstractButton>
#include <QImage>

// A push button shaped by its picture: the colour of the face image's
// bottom-left pixel is transparent and not part of the button, so a click on
// a transparent corner reaches the widget underneath. While pressed, the down
// image is drawn one pixel right and one lower. A disabled button is drawn
// in faded grey and ignores clicks. Tab reaches it (a click does not
// take the focus), and Space, Enter or Return press it.
class ImageButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit ImageButton(QWidget* parent);
  void setImages(const QImage& face, const QImage& up, const QImage& down);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QImage up_;
  QImage down_;
  QImage disabled_;
  QRegion shape_;
};
