// The voice and the readings of what is said: with both settings at their
// defaults every question and click hands the engine exactly the bytes,
// speed and voice it always had, and draws nothing more at random; with them
// on, questions carry a drawn voice and reading, clicks the chosen voice, and
// the cache tells voices apart.
#include <QCheckBox>
#include <QLabel>
#include <QSet>
#include <QSlider>
#include <memory>

#include "core/random_source.h"
#include "core/speech_text.h"
#include "drill_fixture.h"
#include "onsei/onsei.h"

namespace {

// The text of a number as the program has always said it (in reading
// variant, when above 1), written out here rather than taken from the code
// under test.
QByteArray usualText(int value, TTani tani, int variant = 1) {
  std::string utf8 =
      "<NUMK VAL=" + std::to_string(value) + " COUNTER=" + std::string(CounterReading(tani));
  if (variant > 1) utf8 += " VARIANT=" + std::to_string(variant);
  return QByteArray::fromStdString(ruzdo::ToShiftJis(utf8 + ">。").value());
}

}  // namespace

class TestSpeechVariety : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    ruzdo::SeedRandom(5);
    d = std::make_unique<DrillFixture>();
    d->form.setSpeechEngine(d->engine.seam(true));
  }
  void cleanup() { d.reset(); }

  void optionsOffSayEveryByteAsBefore_data() {
    QTest::addColumn<int>("tani");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("speed");
    QTest::newRow("時, 0-9") << int(tanZi) << 0 << 9 << 90;
    QTest::newRow("本, 0-20 at 140") << int(tanHon) << 0 << 20 << 140;
    QTest::newRow("no counter, 95-105") << int(tanNone) << 95 << 105 << 60;
    QTest::newRow("階") << int(tanGai) << 1 << 10 << 90;
  }
  void optionsOffSayEveryByteAsBefore() {
    QFETCH(int, tani);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, speed);
    TMainForm& f = d->form;
    QCOMPARE(f.sVoice->currentIndex(), 0);
    QVERIFY(!f.sVariants->isChecked());
    d->setRange(static_cast<TTani>(tani), min, max);
    f.sSpechSpeed->setValue(speed);
    f.bStartClick();
    // The questions are the draws they always were: one per question.
    ruzdo::SeedRandom(21);
    QList<int> expected;
    for (int i = 0; i < 30; ++i) expected << min + ruzdo::RandomBelow(max - min + 1);
    ruzdo::SeedRandom(21);
    for (int i = 0; i < 30; ++i) {
      f.tMainTimer();
      QCOMPARE(f.LastNumber, expected[i]);
      QCOMPARE(d->lastText(), usualText(expected[i], static_cast<TTani>(tani)));
      QCOMPARE(d->lastVoice(), QByteArray());
    }
    f.bStopClick();
    d->clickPlate(0);
    QCOMPARE(d->lastText(), usualText(min, static_cast<TTani>(tani)));
    for (const FakeEngine::Call& call : d->engine.calls) {
      QCOMPARE(call.voice, QByteArray());  // the plain engine, Onsei_Synthe's seam
      QCOMPARE(call.speed, speed);
      QVERIFY(!call.text.contains("VARIANT"));
    }
  }

  // A number with two accepted readings is asked in both; one with a single
  // reading keeps its text. Listening clicks say the usual reading.
  void variantsOnDrawAReadingPerQuestion_data() {
    QTest::addColumn<int>("tani");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("readings");
    QTest::newRow("7時: しちじ, ななじ") << int(tanZi) << 7 << 2;
    QTest::newRow("10本: じゅっぽん, じっぽん") << int(tanHon) << 10 << 2;
    QTest::newRow("3階: さんがい, さんかい") << int(tanGai) << 3 << 2;
    QTest::newRow("5本: ごほん only") << int(tanHon) << 5 << 1;
    QTest::newRow("7日: なのか only") << int(tanNiti) << 7 << 1;
  }
  void variantsOnDrawAReadingPerQuestion() {
    QFETCH(int, tani);
    QFETCH(int, value);
    QFETCH(int, readings);
    TMainForm& f = d->form;
    const auto t = static_cast<TTani>(tani);
    f.sVariants->setChecked(true);
    d->setRange(t, value, value);
    f.bStartClick();
    QSet<QByteArray> said;
    for (int i = 0; i < 40; ++i) {
      f.tMainTimer();
      said << d->lastText();
    }
    QSet<QByteArray> expected;
    for (int v = 1; v <= readings; ++v) expected << usualText(value, t, v);
    QCOMPARE(said, expected);
    f.bStopClick();
    d->clickPlate(0);
    QCOMPARE(d->lastText(), usualText(value, t));
  }

  void chosenVoiceForQuestionsAndClicks() {
    TMainForm& f = d->form;
    f.sVoice->setCurrentIndex(f.sVoice->findData(QStringLiteral("low")));
    d->setRange(tanHon, 0, 9);
    f.bStartClick();
    for (int i = 0; i < 5; ++i) {
      f.tMainTimer();
      QCOMPARE(d->lastVoice(), QByteArray("low"));
      QCOMPARE(d->lastText(), usualText(f.LastNumber, tanHon));
    }
    f.bStopClick();
    d->clickPlate(2);
    QCOMPARE(d->lastVoice(), QByteArray("low"));
    // The line of what was said names the voice it was heard in.
    QVERIFY2(f.lSaid->text().startsWith(QStringLiteral("Сказано: 2本 (Мужчина 1, низкий)")),
             qPrintable(f.lSaid->text()));
  }

  // "Разные": every preset turns up among the questions; a listening click
  // is in the standard voice.
  void variousVoicesDrawnPerQuestion() {
    TMainForm& f = d->form;
    f.sVoice->setCurrentIndex(f.sVoice->findText(QStringLiteral("Разные")));
    QCOMPARE(f.sVoice->currentIndex(), f.sVoice->count() - 1);
    d->setRange(tanNone, 1, 3);
    f.bStartClick();
    QSet<QByteArray> voices;
    for (int i = 0; i < 400; ++i) {
      f.tMainTimer();
      voices << d->lastVoice();
    }
    QSet<QByteArray> every = {""};
    for (int i = 1; i < Onsei_VoiceCount(); ++i) every << QByteArray(Onsei_VoiceName(i));
    QCOMPARE(voices, every);
    f.bStopClick();
    d->clickPlate(0);
    QCOMPARE(d->lastVoice(), QByteArray());
  }

  // With "Разные" each question is drawn one ahead and only its sound is
  // made in its voice, not every plate's: the next tick is heard at once.
  void variousVoicesMakeOneQuestionAhead() {
    TMainForm& f = d->form;
    f.sVoice->setCurrentIndex(f.sVoice->count() - 1);
    d->setRange(tanNone, 0, 9);
    f.setSpeechOnWorker(true);
    f.bStartClick();
    for (int question = 1; question <= 3; ++question) {
      QTRY_VERIFY_WITH_TIMEOUT(f.nextQuestionReady(), 5000);  // as within an interval
      const auto played = d->output.played.size();
      f.tMainTimer();
      QTRY_COMPARE_WITH_TIMEOUT(d->output.played.size(), played + 1, 5000);
      QTest::qWait(300);  // longer than the plates' made-ahead delay
      int inOtherVoices = 0;
      for (const FakeEngine::Call& c : d->engine.calls) inOtherVoices += !c.voice.isEmpty();
      // This question's sound and the next one's, for each question so far.
      QVERIFY2(inOtherVoices <= question + 1, qPrintable(QString::number(inOtherVoices)));
    }
    f.bStopClick();
  }

  // The same plate in two voices is two sounds; each is made once.
  void cacheTellsVoicesApart() {
    TMainForm& f = d->form;
    d->clickPlate(4);
    f.sVoice->setCurrentIndex(f.sVoice->findData(QStringLiteral("high")));
    d->clickPlate(4);
    d->clickPlate(4);
    f.sVoice->setCurrentIndex(0);
    d->clickPlate(4);
    QCOMPARE(d->engine.callCount(), 2);
    QCOMPARE(d->engine.calls[0].voice, QByteArray());
    QCOMPARE(d->engine.calls[1].voice, QByteArray("high"));
    QCOMPARE(d->output.played.size(), 4);
    QCOMPARE(d->output.played[0], d->output.played[3]);
    QCOMPARE(d->output.played[1], d->output.played[2]);
  }

  // Sounds made ahead are those the plates and questions will use: the
  // listening voice first, then with variants on the other readings.
  void madeAheadInTheChosenVoiceAndReadings() {
    TMainForm& f = d->form;
    f.sVoice->setCurrentIndex(f.sVoice->findData(QStringLiteral("fast")));
    f.sVariants->setChecked(true);
    d->setRange(tanZi, 6, 8);
    f.ApplySettings();
    f.setSpeechOnWorker(true);
    QTRY_VERIFY_WITH_TIMEOUT(d->engine.callCount() >= 4, 5000);
    QTest::qWait(300);
    QSet<QByteArray> texts;
    for (const FakeEngine::Call& call : d->engine.calls) {
      QCOMPARE(call.voice, QByteArray("fast"));
      texts << call.text;
    }
    // 6時, 8時 have one reading, 7時 two.
    QCOMPARE(texts, (QSet<QByteArray>{usualText(6, tanZi), usualText(7, tanZi), usualText(8, tanZi),
                                      usualText(7, tanZi, 2)}));
    QCOMPARE(d->engine.calls[0].text, usualText(6, tanZi));
  }

  // The app's texts with a reading asked for are ones the real engine reads,
  // each reading differently: for every counter, the numbers 0 ... 20, 100.
  void everyReadingTheAppAsksForIsSaidByTheEngine() {
    int withVariants = 0;
    for (int t = 0; t < kTaniCount; ++t) {
      for (int value : {0, 1, 3, 4, 7, 8, 9, 10, 14, 17, 20, 100}) {
        const std::string usual = ruzdo::NumberSpeechText(value, static_cast<TTani>(t));
        const int count = Onsei_VariantCount(usual.c_str());
        QVERIFY2(count >= 1, Onsei_LastError());
        QSet<QString> readings;
        for (int v = 1; v <= count; ++v) {
          const std::string text = ruzdo::NumberSpeechText(value, static_cast<TTani>(t), v);
          char* reading = Onsei_Reading(text.c_str());
          QVERIFY2(reading, Onsei_LastError());
          readings << QString::fromUtf8(reading);
          Onsei_FreeText(reading);
        }
        QCOMPARE(readings.size(), count);
        withVariants += count > 1;
      }
    }
    QVERIFY(withVariants > 20);
  }

 private:
  std::unique_ptr<DrillFixture> d;
};

QTEST_MAIN(TestSpeechVariety)
#include "test_speech_variety.moc"
