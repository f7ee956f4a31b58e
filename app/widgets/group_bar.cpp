#include "group_bar.h"

#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

#include "group_bar_group.h"

GroupBar::GroupBar(QWidget* parent) : QWidget(parent) {
  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(8, 8, 8, 8);
  layout_->setSpacing(8);
  layout_->addStretch(1);
}

GroupBarGroup* GroupBar::addGroup(const QString& caption) {
  auto* group = new GroupBarGroup(caption, this);
  layout_->insertWidget(layout_->count() - 1, group);
  return group;
}

void GroupBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, pal.color(QPalette::Active, QPalette::Mid));
  g.setColorAt(1, pal.color(QPalette::Active, QPalette::Dark));
  p.fillRect(rect(), g);
}
