#pragma once

#include <QComboBox>

// A drop-down list that a screen reader names by its label, then its value
// ("Режим: Числа"), as it names the main window's pickers. Qt's own combo box
// gives its value as its name, whatever accessible name it is given.
class LabelledComboBox : public QComboBox {
  Q_OBJECT
 public:
  LabelledComboBox(const QString& label, QWidget* parent);

 private:
  void nameByValue();

  QString label_;
};
