#pragma once

#include <QWidget>

class GroupBarItem;
class QVBoxLayout;
class QAbstractButton;

// A collapsible group of a group bar: a 20-pixel caption band in bold and a
// list of items. A click on the caption folds the group to its caption or
// opens it again. A disabled group takes no input and looks as it did.
class GroupBarGroup : public QWidget {
  Q_OBJECT
 public:
  GroupBarGroup(const QString& caption, QWidget* parent);

  GroupBarItem* addItem(const QString& text);
  GroupBarItem* item(int index) const;
  int itemCount() const;

  QString caption() const;
  bool isOpen() const;
  void setOpen(bool open);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void keepLookWhenDisabled();
  QAbstractButton* captionBand_;
  QWidget* body_;
  QVBoxLayout* bodyLayout_;
  bool open_ = true;
};
