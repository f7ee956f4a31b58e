#pragma once

#include <QComboBox>

class QImage;

// A drop-down list whose entries show a picture instead of their text. The
// picture of an entry is an image pointer kept in its kPictureRole data (not
// owned); entries without one show their text.
class PictureComboBox : public QComboBox {
  Q_OBJECT
 public:
  static constexpr int kPictureRole = Qt::UserRole + 1;

  explicit PictureComboBox(QWidget* parent);

  void addPictureItem(const QString& text, QImage* picture, const QString& accessibleText);
  QImage* picture(int index) const;
  void setItemHeight(int height);
  int itemHeight() const { return itemHeight_; }

  // Draws entry index into rect: the rectangle is filled with the brush the
  // caller prepared, then the picture is drawn at its own size two pixels in
  // from the top-left corner. Entry 0, and any without a picture, shows its
  // text instead.
  void drawEntry(QPainter& painter, int index, const QRect& rect, const QBrush& brush) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int itemHeight_ = 20;
};
