#pragma once

#include <QWidget>

class ImageButton;
class QToolButton;

// The run's buttons at the top of the settings column, at the positions of
// the window's design: Start and Stop, Pause lying over their lower parts,
// and between them, above Pause, Replay and the options' window.
class RunButtons : public QWidget {
  Q_OBJECT
 public:
  explicit RunButtons(QWidget* parent);

  // F6, F7 and Pause, F8 press Start, Pause and Stop anywhere in scope (a
  // window), where they are enabled; their tool tips say so.
  void addKeys(QWidget* scope);

  ImageButton* start = nullptr;
  ImageButton* stop = nullptr;
  ImageButton* pause = nullptr;
  QToolButton* replay = nullptr;   // says the question again
  QToolButton* options = nullptr;  // opens «Параметры обучения»
};
