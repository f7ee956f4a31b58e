// Without a sound server the program stays silent, says so once in the pane
// under the settings, and goes on working.
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "Unit1.h"
#include "widgets/plate_button.h"

class TestNoSound : public QObject {
  Q_OBJECT
 private slots:
  void silentWithANotice() {
    TMainForm form;
    form.resize(930, 631);
    form.show();
    QVERIFY(!form.lNotice->isVisible());
    PlateButton* plate = form.RuzdoPole->Plates()[3];
    QTest::mouseClick(plate, Qt::LeftButton);  // real engine, no sound server
    QTRY_VERIFY_WITH_TIMEOUT(form.lNotice->isVisible(), 5000);
    QVERIFY(form.lNotice->text().startsWith(QStringLiteral("Нет вывода звука")));
    // Further clicks neither hang nor pile up notices.
    QTest::mouseClick(plate, Qt::LeftButton);
    QTest::mouseClick(form.RuzdoPole->Plates()[4], Qt::LeftButton);
    QVERIFY(form.isVisible());
  }
};

int main(int argc, char* argv[]) {
  // A sound server that does not exist.
  qputenv("PULSE_SERVER", "unix:/nonexistent/ruzdo-test-socket");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  TestNoSound test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_no_sound.moc"
