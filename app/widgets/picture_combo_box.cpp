#include "picture_combo_box.h"

#include <QAbstractItemView>
#include <QImage>
#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {

// Paints the drop-down list's entries through the combo box's own drawEntry.
class PictureDelegate : public QStyledItemDelegate {
 public:
  explicit PictureDelegate(PictureComboBox* box) : QStyledItemDelegate(box), box_(box) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    const QBrush brush = option.palette.brush(selected ? QPalette::Highlight : QPalette::Base);
    box_->drawEntry(*painter, index.row(), option.rect, brush);
    if (option.state & QStyle::State_HasFocus) {
      painter->setPen(QPen(option.palette.color(QPalette::Text), 1, Qt::DotLine));
      painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(box_->itemHeight());
    return s;
  }

 private:
  PictureComboBox* box_;
};

}  // namespace

PictureComboBox::PictureComboBox(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new PictureDelegate(this));
}

void PictureComboBox::addPictureItem(const QString& text, QImage* picture,
                                     const QString& accessibleText) {
  addItem(text);
  const int index = count() - 1;
  setItemData(index, QVariant::fromValue(reinterpret_cast<quintptr>(picture)), kPictureRole);
  setItemData(index, accessibleText, Qt::AccessibleTextRole);
  setItemData(index, accessibleText, Qt::ToolTipRole);
}

QImage* PictureComboBox::picture(int index) const {
  return reinterpret_cast<QImage*>(itemData(index, kPictureRole).value<quintptr>());
}

void PictureComboBox::setItemHeight(int height) { itemHeight_ = height; }

void PictureComboBox::drawEntry(QPainter& painter, int index, const QRect& rect,
                                const QBrush& brush) const {
  painter.fillRect(rect, brush);
  const QImage* image = picture(index);
  if (!image || index == 0) return;
  painter.drawImage(rect.left() + 2, rect.top() + 2, *image);
}

void PictureComboBox::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText.clear();
  option.currentIcon = QIcon();
  p.drawComplexControl(QStyle::CC_ComboBox, option);
  QRect field =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  const bool focused = hasFocus() && !view()->isVisible();
  const QBrush brush = palette().brush(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       focused ? QPalette::Highlight : QPalette::Base);
  if (!isEnabled()) p.setOpacity(0.4);  // greyed out like the other disabled controls
  drawEntry(p, currentIndex(), field, brush);
}
