// The counter pictures and their process-wide cache.
#include <QTest>

#include "counter_image.h"

class TestCounterWords : public QObject {
  Q_OBJECT
 private slots:
  void loadsOnceAndReturnsTheSameObject() {
    const int before = CounterImageLoadCount();
    QImage* first = CounterImage(tanHon);
    QVERIFY(first);
    QCOMPARE(CounterImageLoadCount(), before + 1);
    QCOMPARE(CounterImage(tanHon), first);
    QCOMPARE(CounterImageLoadCount(), before + 1);
    ReleaseCounterImage(tanHon);
    QVERIFY(CounterImage(tanHon));
    QCOMPARE(CounterImageLoadCount(), before + 2);
  }

  void noPictureForNone() { QCOMPARE(CounterImage(tanNone), nullptr); }

  void everyPictureIsBlackOnWhiteAtItsSize() {
    for (int i = 1; i < kTaniCount; ++i) {
      const auto t = static_cast<TTani>(i);
      const QImage* image = CounterImage(t);
      QVERIFY2(image, TaniResourceName(t).data());
      QCOMPARE(image->height(), 16);
      QCOMPARE(image->width(), TaniPictureWidth(t));
      QCOMPARE(image->pixel(0, image->height() - 1), qRgb(255, 255, 255));
      int ink = 0;
      for (int y = 0; y < image->height(); ++y)
        for (int x = 0; x < image->width(); ++x) {
          const QRgb c = image->pixel(x, y);
          QVERIFY(c == qRgb(0, 0, 0) || c == qRgb(255, 255, 255));
          ink += c == qRgb(0, 0, 0);
        }
      QVERIFY2(ink >= 10, TaniResourceName(t).data());
    }
  }

  void picturesAreSixteenColourBitmaps() {
    QFile f(QStringLiteral(":/counters/NEN"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray header = f.read(30);
    QCOMPARE(header.left(2), QByteArray("BM"));
    QCOMPARE(int(static_cast<unsigned char>(header[28])), 4);  // bits per pixel
  }
};

QTEST_MAIN(TestCounterWords)
#include "test_counter_words.moc"
