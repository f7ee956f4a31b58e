#pragma once

#include <QWidget>

class GroupBarGroup;
class QVBoxLayout;

// A column of collapsible groups on a vertical gradient, 8 pixels around and
// between the groups.
class GroupBar : public QWidget {
  Q_OBJECT
 public:
  explicit GroupBar(QWidget* parent);
  GroupBarGroup* addGroup(const QString& caption);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QVBoxLayout* layout_;
};
