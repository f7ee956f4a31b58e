#include "drill/right_plate_mark.h"

#include <QCoreApplication>
#include <QTimer>

#include "widgets/plate_button.h"

namespace ruzdo {
namespace {

// The right plate of a question left unanswered stays marked this long into
// the next one.
constexpr int kMissMarkMs = 1200;

}  // namespace

RightPlateMark::RightPlateMark(QObject* parent) : QObject(parent), clearLater_(new QTimer(this)) {
  clearLater_->setSingleShot(true);
  clearLater_->setInterval(kMissMarkMs);
  connect(clearLater_, &QTimer::timeout, this, &RightPlateMark::clear);
}

void RightPlateMark::mark(PlateButton* plate, bool inTick) {
  clear();
  QPalette p = plate->palette();
  p.setColor(QPalette::Button, QColor(0x7C, 0xD6, 0x7C));
  plate->setPalette(p);
  plate->setAccessibleDescription(QCoreApplication::translate("TMainForm", "Верный ответ"));
  marked_ = plate;
  inTick_ = inTick;
}

void RightPlateMark::clear() {
  clearLater_->stop();
  if (marked_) {
    marked_->setPalette(QPalette());
    marked_->setAccessibleDescription(QString());
    marked_ = nullptr;
  }
}

void RightPlateMark::questionAsked() {
  if (inTick_)
    clearLater_->start();
  else
    clear();
  inTick_ = false;
}

}  // namespace ruzdo
