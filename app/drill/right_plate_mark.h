#pragma once

#include <QObject>
#include <QPointer>

class PlateButton;
class QTimer;

namespace ruzdo {

// The right plate shown green after a miss («Показывать верный ответ»). A
// mark made by the tick that judged the question unanswered stays a moment
// into the next question; any other goes when the next one is asked. The
// plate is held weakly: a grid rebuilt since took it away with its plates.
class RightPlateMark : public QObject {
  Q_OBJECT
 public:
  explicit RightPlateMark(QObject* parent);

  // Marks plate, the last mark gone; inTick: marked by a question's tick.
  void mark(PlateButton* plate, bool inTick);
  void clear();
  // A new question is asked.
  void questionAsked();
  PlateButton* plate() const { return marked_; }

 private:
  QTimer* clearLater_;
  QPointer<PlateButton> marked_;
  bool inTick_ = false;
};

}  // namespace ruzdo
