#include "picture_combo_box.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
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

// What a screen reader hears: the entries' own texts are the same for every
// counter, so the chosen entry's accessible text stands for it. The drop-down
// list is the box's child, as in Qt's own combo box, so that its entries (named
// by their accessible texts, "杯 はい") are read while it is open.
class PictureComboBoxAccessible : public QAccessibleWidget {
 public:
  explicit PictureComboBoxAccessible(QWidget* box)
      : QAccessibleWidget(box, QAccessible::ComboBox) {}

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(list()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child->object() == list() ? 0 : -1;
  }

  QString text(QAccessible::Text t) const override {
    const auto* box = static_cast<const PictureComboBox*>(widget());
    const QString chosen = box->currentData(Qt::AccessibleTextRole).toString();
    if (t == QAccessible::Value) return chosen;
    if (t == QAccessible::Name)
      return box->accessibleName().isEmpty() ? chosen : box->accessibleName();
    return QAccessibleWidget::text(t);
  }

 private:
  QAbstractItemView* list() const { return static_cast<const PictureComboBox*>(widget())->view(); }
};

QAccessibleInterface* pictureComboBoxFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("PictureComboBox") && object && object->isWidgetType())
    return new PictureComboBoxAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace

PictureComboBox::PictureComboBox(QWidget* parent) : QComboBox(parent) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(pictureComboBoxFactory);
    return true;
  }();
  (void)factoryInstalled;
  setItemDelegate(new PictureDelegate(this));
  connect(this, &QComboBox::currentIndexChanged, this, [this] {
    QAccessibleValueChangeEvent event(this, currentData(Qt::AccessibleTextRole));
    QAccessible::updateAccessibility(&event);
  });
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
  if (image && index != 0) {
    painter.drawImage(rect.left() + 2, rect.top() + 2, *image);
    return;
  }
  // An entry without a picture ("Нет") shows its text, in the colour that
  // goes with the brush.
  const bool selected = brush == palette().brush(QPalette::Highlight);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 selected ? QPalette::HighlightedText : QPalette::Text));
  painter.setFont(font());
  painter.drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, itemText(index));
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
