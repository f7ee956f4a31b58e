// Without a sound server the program stays silent, says so once in the pane
// under the settings, and goes on working; once a server is there again, the
// next sound plays and the notice goes.
#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "Unit1.h"
#include "widgets/notice_line.h"
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
    QVERIFY(form.lNotice->notice(NoticeLine::Source::Sound)
                .startsWith(QStringLiteral("Нет вывода звука")));
    // Further clicks neither hang nor pile up notices.
    QTest::mouseClick(plate, Qt::LeftButton);
    QTest::mouseClick(form.RuzdoPole->Plates()[4], Qt::LeftButton);
    QVERIFY(form.isVisible());

    // A server (with a null sink) comes up where the program looks for one.
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty()) QSKIP("no PulseAudio to start");
    QProcess server;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", dir.path());
    env.insert("PULSE_RUNTIME_PATH", dir.path() + "/pulse");
    env.insert("HOME", dir.path());
    server.setProcessEnvironment(env);
    server.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                                "--load=module-null-sink",
                                "--load=module-native-protocol-unix socket=" + dir.path() +
                                    "/native auth-anonymous=1"});
    QVERIFY(server.waitForStarted());
    // Each click tries the server afresh until it answers.
    for (int i = 0; i < 100 && form.lNotice->isVisible(); ++i) {
      QTest::mouseClick(plate, Qt::LeftButton);
      QTest::qWait(100);
    }
    QVERIFY2(!form.lNotice->isVisible(), "the notice stayed after sound came back");
    server.terminate();
    server.waitForFinished();
  }

 public:
  QTemporaryDir dir;
};

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  TestNoSound test;
  // A sound server that is not there yet.
  qputenv("PULSE_SERVER", ("unix:" + test.dir.path() + "/native").toLocal8Bit());
  return QTest::qExec(&test, argc, argv);
}

#include "test_no_sound.moc"
