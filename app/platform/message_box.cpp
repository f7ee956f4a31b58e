#include "message_box.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace ruzdo {

void ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok,
                  parent);
  box.setObjectName(QStringLiteral("messageBox"));
  box.adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    box.move(area.center() - QPoint(box.width() / 2, box.height() / 2));
  }
  box.exec();
}

}  // namespace ruzdo
