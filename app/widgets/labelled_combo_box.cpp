#include "labelled_combo_box.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace {

// Name from the accessible name, value from the chosen entry; the drop-down
// list is the box's child, as in Qt's own combo box, so that its entries are
// read while it is open; "Show menu" opens it.
class LabelledComboBoxAccessible : public QAccessibleWidget {
 public:
  explicit LabelledComboBoxAccessible(QWidget* box)
      : QAccessibleWidget(box, QAccessible::ComboBox) {}

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child->object() == box()->view() ? 0 : -1;
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return box()->currentText();
    if (t == QAccessible::Name)
      return box()->accessibleName().isEmpty() ? box()->currentText() : box()->accessibleName();
    return QAccessibleWidget::text(t);
  }

  QStringList actionNames() const override {
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    if (name == showMenuAction())
      box()->showPopup();
    else
      QAccessibleWidget::doAction(name);
  }

 private:
  QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* labelledComboBoxFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("LabelledComboBox") && object && object->isWidgetType())
    return new LabelledComboBoxAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace

LabelledComboBox::LabelledComboBox(const QString& label, QWidget* parent)
    : QComboBox(parent), label_(label) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(labelledComboBoxFactory);
    return true;
  }();
  (void)factoryInstalled;
  nameByValue();
  connect(this, &QComboBox::currentIndexChanged, this, &LabelledComboBox::nameByValue);
}

void LabelledComboBox::nameByValue() {
  setAccessibleName(tr("%1: %2").arg(label_, currentText()));
  QAccessibleValueChangeEvent event(this, currentText());
  QAccessible::updateAccessibility(&event);
}
