#include "message_box.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

namespace ruzdo {

void ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok,
                  parent);
  box.setObjectName(QStringLiteral("messageBox"));
  // However short the text, the box is as wide as a standard one, so the
  // window manager has room for its title.
  // (Longer texts size the box themselves and are left to wrap.)
  if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
      label && label->fontMetrics().horizontalAdvance(text) < kMinMessageWidth)
    label->setMinimumWidth(kMinMessageWidth);
  box.adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    box.move(area.center() - QPoint(box.width() / 2, box.height() / 2));
  }
  box.exec();
}

}  // namespace ruzdo
