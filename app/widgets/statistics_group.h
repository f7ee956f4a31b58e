#pragma once

#include <QGroupBox>

class ElidedLabel;
class QFrame;
class QLabel;
class QTimer;

// «Статистика»: the number of the question and the errors counted (their
// panel flashes red at an error), and below them, a line each, what a run
// shows: how loud the speech is against the noise (with noise only), what
// the last question or plate said, and the run's state. It reaches down to
// its parent's bottom, never shorter than its designed height.
class StatisticsGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit StatisticsGroup(QWidget* parent);

  void showCounts(int questions, int errors);
  // The errors' panel turns red for the flash timer's interval; a further
  // error while it is red leaves the flash as it is.
  void flashError();
  void endErrorFlash();
  // «Пауза», the summary after a run; an empty text hides the line.
  void showRunState(const QString& text);
  // The learner's speech-to-noise level, in the words of what it means.
  void showNoiseLevel(double db, bool noisy);
  // What was said: in red after a wrong answer; the tool tip holds all of
  // the line, accessible the words a screen reader says.
  void showSaid(const QString& line, const QString& accessible, bool wrong);

  QLabel* questionCount = nullptr;
  QFrame* errorPanel = nullptr;
  QLabel* errorCount = nullptr;
  QTimer* flashTimer = nullptr;
  QWidget* runLines = nullptr;  // below the counts: the lines of a run
  ElidedLabel* said = nullptr;
  ElidedLabel* runState = nullptr;
  QLabel* noise = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fit();
};
