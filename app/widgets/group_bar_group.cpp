#include "group_bar_group.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "group_bar_item.h"

namespace {
constexpr int kCaptionHeight = 20;

// The caption band: bold text on a darker strip, with a fold mark at the right.
class CaptionBand : public QAbstractButton {
 public:
  CaptionBand(const QString& text, GroupBarGroup* group) : QAbstractButton(group), group_(group) {
    setText(text);
    setFixedHeight(kCaptionHeight);
    // Tab reaches it; a click folds the group without taking the focus from
    // a plate, where Space would otherwise fold the group instead of answering.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(text);
    QFont f = font();
    f.setBold(true);
    setFont(f);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Active, QPalette::Dark));
    if (hasFocus()) {
      p.setPen(pal.color(QPalette::Active, QPalette::Highlight));
      p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    p.setPen(pal.color(QPalette::Active, QPalette::BrightText));
    p.drawText(rect().adjusted(6, 0, -18, 0), Qt::AlignVCenter | Qt::AlignLeft, text());
    // Fold mark: a chevron pointing up while open, down while folded.
    const int cx = width() - 10;
    const int cy = height() / 2;
    const int d = group_->isOpen() ? -1 : 1;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(pal.color(QPalette::Active, QPalette::BrightText), 1.5));
    p.drawPolyline(
        QPolygon({QPoint(cx - 4, cy - 2 * d), QPoint(cx, cy + 2 * d), QPoint(cx + 4, cy - 2 * d)}));
  }

 private:
  GroupBarGroup* group_;
};
}  // namespace

GroupBarGroup::GroupBarGroup(const QString& caption, QWidget* parent) : QWidget(parent) {
  setAccessibleName(caption);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  captionBand_ = new CaptionBand(caption, this);
  layout->addWidget(captionBand_);
  body_ = new QWidget(this);
  body_->setAutoFillBackground(true);
  body_->setBackgroundRole(QPalette::Base);
  bodyLayout_ = new QVBoxLayout(body_);
  bodyLayout_->setContentsMargins(6, 4, 6, 4);
  bodyLayout_->setSpacing(2);
  layout->addWidget(body_);
  body_->setVisible(false);  // an empty body would show as a bare strip
  connect(captionBand_, &QAbstractButton::clicked, this, [this] { setOpen(!isOpen()); });
  keepLookWhenDisabled();
}

GroupBarItem* GroupBarGroup::addItem(const QString& text) {
  auto* it = new GroupBarItem(text, body_);
  it->setObjectName(QStringLiteral("item%1").arg(itemCount()));
  bodyLayout_->addWidget(it);
  body_->setVisible(open_);
  return it;
}

GroupBarItem* GroupBarGroup::item(int index) const {
  QLayoutItem* li = bodyLayout_->itemAt(index);
  return li ? static_cast<GroupBarItem*>(li->widget()) : nullptr;
}

int GroupBarGroup::itemCount() const { return bodyLayout_->count(); }

QString GroupBarGroup::caption() const { return captionBand_->text(); }

bool GroupBarGroup::isOpen() const { return open_; }

void GroupBarGroup::setOpen(bool open) {
  open_ = open;
  body_->setVisible(open && itemCount() > 0);
  captionBand_->update();
}

void GroupBarGroup::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) keepLookWhenDisabled();
  QWidget::changeEvent(event);
}

void GroupBarGroup::keepLookWhenDisabled() {
  // The disabled colours are the active ones, so disabling the group changes
  // what it does but not how it looks.
  QPalette p = palette();
  bool changed = false;
  for (int role = 0; role < QPalette::NColorRoles; ++role) {
    const auto r = static_cast<QPalette::ColorRole>(role);
    if (p.color(QPalette::Disabled, r) != p.color(QPalette::Active, r)) {
      p.setColor(QPalette::Disabled, r, p.color(QPalette::Active, r));
      changed = true;
    }
  }
  if (changed) setPalette(p);
}
