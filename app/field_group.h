#pragma once

#include <QGroupBox>

class QPushButton;
class QSpinBox;
class TRuzdoPole;

// «Параметры поля выбора»: the plate grid's columns, rows and first plate's
// indent, with «Применить» and «Отмена», at the positions of the window's
// design. What it shows is put into the grid by Apply and back from it by
// Cancel.
class FieldGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit FieldGroup(QWidget* parent);

  // Rows, columns and indent put into the grid, in that order: the columns
  // go before the indent, which is clamped against them.
  void applyTo(TRuzdoPole& grid) const;
  void showShape(const TRuzdoPole& grid);

  QSpinBox* cols = nullptr;
  QSpinBox* rows = nullptr;
  QSpinBox* indention = nullptr;
  QPushButton* apply = nullptr;
  QPushButton* cancel = nullptr;
};
