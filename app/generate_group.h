#pragma once

#include <QGroupBox>
#include <functional>
#include <string>

#include "core/drill_mode.h"

class PictureComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;
class TRuzdoPole;

// «Параметры генерации»: the range of the numbers, the counter word, the
// sequences' template, the speech speed and the interval (each with its
// value beside it in words) and the number of questions, at the positions
// of the window's design. What it shows is put into the plate grid by Apply
// and back from it by Cancel; the template the engine last could say stays
// in force until another one is accepted.
class GenerateGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit GenerateGroup(QWidget* parent);

  // «Нет», then a picture per counter word, an entry's position its
  // ordinal; «Нет» selected.
  void fillCounters();
  // The counter pictures the entries hold, released once at the program's end.
  void releaseCounterPictures();

  // The controls the mode uses enabled: the template for the sequences, the
  // counter for the numbers, the range but in the lessons (they draw their
  // own items).
  void enableFor(ruzdo::DrillMode mode);

  // Whether the grid can take the range shown: fewer than 100 numbers.
  bool rangeAccepted() const;
  // Why the template shown cannot make the sequences' captions ("" when it
  // can); readable says whether the engine reads a speech text.
  QString templateRefusal(const std::function<bool(const std::string&)>& readable) const;
  // The template shown comes into force; the edit goes back to the one in force.
  void acceptTemplate();
  void revertTemplate();

  // The counter (said in the numbers mode only), the template (that of the
  // sequences) and the range put into the grid, in that order: each setter
  // clamps against what is already in force.
  void applyTo(TRuzdoPole& grid, ruzdo::DrillMode mode) const;
  // The grid's range shown.
  void showRange(const TRuzdoPole& grid);

  QSpinBox* minRuzdo = nullptr;
  QSpinBox* maxRuzdo = nullptr;
  PictureComboBox* counter = nullptr;
  QLineEdit* pattern = nullptr;
  QSlider* speechSpeed = nullptr;
  QSlider* interval = nullptr;
  QSpinBox* maxQuestion = nullptr;
  QLabel* speechSpeedValue = nullptr;  // «речи: 90 %»
  QLabel* intervalValue = nullptr;     // «Интервал 2,0 с»

 private:
  void showSliderValues();
  void nameCounter();
  QString acceptedPattern_;
};
