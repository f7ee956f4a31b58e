#pragma once

#include <QAbstractButton>

// A clickable item of a group bar group: its whole row takes clicks; a text
// too long for the bar wraps. It can be reached with Tab and pressed with Space
// like a button.
class GroupBarItem : public QAbstractButton {
  Q_OBJECT
 public:
  GroupBarItem(const QString& text, QWidget* parent);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool hitButton(const QPoint& pos) const override;

 private:
  bool hovered_ = false;
};
