#include "field_group.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "RuzdoPole.h"
#include "widgets/designed_controls.h"

using ruzdo::addLabel;
using ruzdo::addSpin;

FieldGroup::FieldGroup(QWidget* parent) : QGroupBox(tr("Параметры поля выбора"), parent) {
  setObjectName(QStringLiteral("gRuzdoPoleSetting"));
  setGeometry(1, 245, 294, 121);

  cols = addSpin(this, "sCols", tr("Количество столбцов"), 180, 15, 102, 21, 0, 100, 2);
  addLabel(this, tr("Количество столбцов:"), 10, 20)->setBuddy(cols);
  rows = addSpin(this, "sRows", tr("Количество строк"), 180, 35, 102, 21, 0, 100, 0);
  addLabel(this, tr("Количество строк:"), 10, 40)->setBuddy(rows);
  indention = addSpin(this, "sIndention", tr("Отступ первой плашки"), 180, 55, 102, 21, 0, 100, 0);
  addLabel(this, tr("Отступ первой плашки:"), 10, 60)->setBuddy(indention);

  apply = new QPushButton(tr("Применить"), this);
  apply->setObjectName(QStringLiteral("sApply"));
  apply->setGeometry(10, 82, 75, 25);
  cancel = new QPushButton(tr("Отмена"), this);
  cancel->setObjectName(QStringLiteral("sCancel"));
  cancel->setGeometry(210, 82, 75, 25);
}

void FieldGroup::applyTo(TRuzdoPole& grid) const {
  grid.SetRows(rows->value());
  grid.SetCols(cols->value());
  grid.SetIndention(indention->value());
}

void FieldGroup::showShape(const TRuzdoPole& grid) {
  rows->setValue(grid.Rows());
  cols->setValue(grid.Cols());
  indention->setValue(grid.Indention());
}
