// The About window and the JPEG decoder behind its picture.
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "platform/jpeg_image.h"
#include "platform/qt_translations.h"
#include "uAboutFrm.h"

class TestAbout : public QObject {
  Q_OBJECT
 private slots:
  void decodesThePicture() {
    QFile f(QStringLiteral(":/about/about.jpg"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray jpeg = f.readAll();
    const QImage image = ruzdo::DecodeJpeg(jpeg);
    QCOMPARE(image.size(), QSize(128, 160));
    // Colour, not grey: the sky at the top is blue.
    const QColor top = image.pixelColor(64, 2);
    QVERIFY(top.blue() > top.red() + 40);
  }

  void badPicturesGiveNothingAndTheProgramGoesOn_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("empty") << 0;
    QTest::newRow("not a JPEG") << 1;
    QTest::newRow("truncated") << 2;
    QTest::newRow("header only") << 3;
    QTest::newRow("corrupt body") << 4;
  }
  void badPicturesGiveNothingAndTheProgramGoesOn() {
    QFETCH(int, kind);
    QFile f(QStringLiteral(":/about/about.jpg"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QByteArray jpeg = f.readAll();
    QByteArray bad;
    switch (kind) {
      case 1:
        bad = QByteArray("GIF89a not a jpeg at all");
        break;
      case 2:
        bad = jpeg.left(jpeg.size() / 2);
        break;
      case 3:
        bad = jpeg.left(200);
        break;
      case 4:
        bad = jpeg;
        for (qsizetype i = 700; i < bad.size() - 2; i += 7) bad[i] = char(0xFF);
        break;
      default:
        break;
    }
    QVERIFY(ruzdo::DecodeJpeg(bad).isNull());
  }

  void textsAndPicture() {
    TfAbout about;
    QCOMPARE(about.windowTitle(), QStringLiteral("О программе"));
    QCOMPARE(about.RzLabel1->text(), QStringLiteral("RUZDO v. 0.11"));
    QVERIFY(about.Image1->pixmap().size() == QSize(128, 160));
    const QStringList lines = about.Memo1->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 21);
    QCOMPARE(lines[0], QStringLiteral("Программа разработана для тренировки восприятия числовой "));
    QCOMPARE(lines[7], QStringLiteral("ОС: Тестировалось на Debian 12"));
    QCOMPARE(lines[14], QString(34, QLatin1Char('_')));
    QCOMPARE(lines[15],
             QStringLiteral("* Для синтеза речи используется звуковой движок Onsei (С). "));
    QVERIFY(lines[17].contains(QStringLiteral("CC BY 3.0")));
    QVERIFY(about.Memo1->isReadOnly());
    QCOMPARE(about.size(), QSize(510, 347));
  }

  void everythingItPointsToIsThere() {
    // No made-up addresses; every file named is on this machine.
    const QString text = TfAbout::Lines().join(QLatin1Char('\n'));
    QVERIFY(!text.contains(QStringLiteral("example.")));
    QVERIFY(!text.contains(QLatin1Char('@')));
    // Paths, but not the parts of a web address.
    static const QRegularExpression path(QStringLiteral("(?<![/\\w:.])(/[A-Za-z0-9_.+-]+)+"));
    int paths = 0;
    for (auto it = path.globalMatch(text); it.hasNext();) {
      const QString p = it.next().captured(0);
      ++paths;
      QVERIFY2(QFileInfo::exists(p), qPrintable(p));
    }
    QVERIFY(paths > 0);
    QVERIFY(text.contains(QStringLiteral("CC BY 3.0")));
    // Every speaker the engine ships is credited.
    for (const char* voice : {"Takumi", "Mei", "tohoku-f01", "CC BY 4.0"})
      QVERIFY2(text.contains(QString::fromUtf8(voice)), voice);
  }

  // Escape, the button and the close box end the modal display; Enter does not.
  void modalReusedAndClosedByButtonOrEscape_data() {
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("its button") << false;
    QTest::newRow("Escape") << true;
  }
  void modalReusedAndClosedByButtonOrEscape() {
    QFETCH(bool, byEscape);
    TfAbout about;
    int shown = 0;
    for (int round = 0; round < 2; ++round) {
      QTimer::singleShot(0, [&] {
        ++shown;
        QVERIFY(about.isVisible());
        QVERIFY(about.isModal());
        QTest::keyClick(&about, Qt::Key_Return);
        QTest::keyClick(&about, Qt::Key_Enter);
        QVERIFY(about.isVisible());  // Enter does not close it
        if (byEscape)
          QTest::keyClick(&about, Qt::Key_Escape);
        else
          about.BitBtn1->click();
      });
      about.exec();
      QVERIFY(!about.isVisible());
    }
    QCOMPARE(shown, 2);
  }

  // Qt's own texts in Russian once the program has installed them: the
  // captions of standard buttons (message boxes, the About window's button).
  void qtTextsInRussian_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("Close") << int(QDialogButtonBox::Close) << QStringLiteral("Закрыть");
    QTest::newRow("Yes") << int(QDialogButtonBox::Yes) << QStringLiteral("&Да");
    QTest::newRow("No") << int(QDialogButtonBox::No) << QStringLiteral("&Нет");
    QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << QStringLiteral("Отмена");
  }
  void qtTextsInRussian() {
    QFETCH(int, button);
    QFETCH(QString, text);
    static const bool installed = ruzdo::InstallInterfaceTexts(
        QCoreApplication::instance(), ruzdo::InterfaceLanguage::Russian);
    QVERIFY(installed);
    const auto which = static_cast<QDialogButtonBox::StandardButton>(button);
    const QDialogButtonBox box(which);
    QCOMPARE(box.button(which)->text(), text);
    if (which == QDialogButtonBox::Close) QCOMPARE(TfAbout().BitBtn1->text(), text);
  }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
