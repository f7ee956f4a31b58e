// Questions said in sentences: each is its number inside a sentence for its
// counter (a sequence inside a sequence sentence), shown and replayed as
// said; the next question is drawn and made while the current one is asked.
#include <iconv.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "core/digit_sequence.h"
#include "core/random_source.h"
#include "core/speech_text.h"
#include "drill_fixture.h"

namespace {

QString utf8Of(const QByteArray& sjis) {
  // The fake engine hands back the Shift-JIS text it was given.
  iconv_t cd = iconv_open("UTF-8", "CP932");
  std::string in = sjis.toStdString(), out(in.size() * 3, '\0');
  char* src = in.data();
  char* dst = out.data();
  std::size_t left = in.size(), room = out.size();
  iconv(cd, &src, &left, &dst, &room);
  iconv_close(cd);
  return QString::fromUtf8(out.data(), static_cast<qsizetype>(dst - out.data()));
}

}  // namespace

class TestSentences : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    ruzdo::SeedRandom(9);
    d = std::make_unique<DrillFixture>();
    d->form.sSentences->setChecked(true);
  }
  void cleanup() { d.reset(); }

  void numberInsideASentenceOfItsCounter_data() {
    QTest::addColumn<int>("tani");
    QTest::addColumn<QString>("written");
    QTest::newRow("円") << int(tanEn) << QStringLiteral("円");
    QTest::newRow("月: months of the year only") << int(tanGatu) << QStringLiteral("月");
    QTest::newRow("bare number") << int(tanNone) << QString();
  }
  void numberInsideASentenceOfItsCounter() {
    QFETCH(int, tani);
    QFETCH(QString, written);
    TMainForm& f = d->form;
    d->setRange(static_cast<TTani>(tani), 1, 12);
    f.bStartClick();
    QSet<QString> sentences;
    for (int i = 0; i < 12; ++i) {
      f.tMainTimer();
      const QString said = lastSaid();
      const QString tag = QStringLiteral("<NUMK VAL=%1 COUNTER=%2>")
                              .arg(f.LastNumber)
                              .arg(QString::fromUtf8(CounterReading(static_cast<TTani>(tani))));
      QVERIFY2(said.contains(tag) && said != tag + u'。', qPrintable(said));
      sentences << QString(said).remove(tag);
      d->clickPlate(0);
      // Answered, the line shows the written sentence with the number in it.
      QVERIFY2(f.lSaid->toolTip().startsWith(QStringLiteral("Сказано: ")) &&
                   f.lSaid->toolTip().contains(QString::number(f.LastNumber) + written) &&
                   !f.lSaid->toolTip().contains(u'{'),
               qPrintable(f.lSaid->toolTip()));
    }
    QVERIFY(sentences.size() > 1);
    // Replay: the same sentence in the same voice.
    const QByteArray asked = d->lastText();
    f.bReplayClick();
    QCOMPARE(d->lastText(), asked);
  }

  // A value no sentence of its counter fits is said alone.
  void outOfEverySentenceSaidAlone() {
    TMainForm& f = d->form;
    d->setRange(tanGatu, 40, 40);
    f.bStartClick();
    f.tMainTimer();
    QCOMPARE(lastSaid(), QStringLiteral("<NUMK VAL=40 COUNTER=がつ>。"));
  }

  void sequenceInsideASequenceSentence() {
    TMainForm& f = d->form;
    f.sTemplate->setText(QStringLiteral("0__-____"));
    f.gEasyItems1Click();
    f.sMaxQuestion->setValue(100);
    f.bStartClick();
    for (int i = 0; i < 5; ++i) {
      f.tMainTimer();
      QVERIFY(captions().contains(f.LastText()));
      const QString said = lastSaid();
      QVERIFY2(said.contains(QStringLiteral("<NUM VAL=%1>").arg(f.LastText())) &&
                   said.size() > f.LastText().size() + 12,
               qPrintable(said));
    }
  }

  // Without sentences, sequence questions drawn ahead are the draws they
  // always were, in their order: every plate's caption, then the plate.
  void sequencesAloneDrawAsBefore() {
    TMainForm& f = d->form;
    f.sSentences->setChecked(false);
    f.sTemplate->setText(QStringLiteral("_-__"));
    f.gEasyItems1Click();
    f.sMaxQuestion->setValue(6);
    f.ApplySettings();
    const int plates = static_cast<int>(f.RuzdoPole->Plates().size());
    // Start applies the settings, which draws the plates' captions afresh.
    ruzdo::SeedRandom(4);
    f.ApplySettings();
    QList<QStringList> drawn;
    QStringList asked;
    for (int i = 0; i < 6; ++i) {
      QStringList c;
      for (int p = 0; p < plates; ++p) c << QString::fromStdString(ruzdo::MakeSequence("_-__"));
      asked << c[ruzdo::RandomBelow(plates)];
      drawn << c;
    }
    ruzdo::SeedRandom(4);
    f.bStartClick();
    for (int i = 0; i < 6; ++i) {
      f.tMainTimer();
      QCOMPARE(captions(), drawn[i]);
      QCOMPARE(f.LastText(), asked[i]);
      QCOMPARE(lastSaid(), QStringLiteral("<NUM VAL=%1>").arg(asked[i]));
    }
  }

  // On workers: the second question's sound is made before its tick, so
  // the tick plays it at once.
  void nextQuestionMadeAhead() {
    TMainForm& f = d->form;
    d->setRange(tanHon, 0, 3);
    f.setSpeechOnWorker(true);
    f.bStartClick();
    f.tMainTimer();
    QTRY_VERIFY_WITH_TIMEOUT(!f.speechPending() && f.nextQuestionReady(), 5000);
    const auto played = d->output.played.size();
    f.tMainTimer();
    QVERIFY(!f.speechPending());
    QCOMPARE(d->output.played.size(), played + 1);
    QVERIFY(lastSaid().contains(QStringLiteral("<NUMK VAL=%1 COUNTER=ほん>").arg(f.LastNumber)));
  }

  // On a busy machine a question may be asked while its sound still waits
  // in the queue behind another; drawing the next one must not drop it.
  void aQuestionWaitingForItsSoundIsHeard() {
    TMainForm& f = d->form;
    d->setRange(tanHon, 0, 99);
    f.setSpeechOnWorker(true);
    d->engine.gated = true;
    f.bStartClick();
    QTRY_COMPARE(d->engine.waiting, 1);  // the first run's question, being made
    f.bStopClick();
    f.bStartClick();  // this run's first question waits behind it
    const auto played = d->output.played.size();
    f.tMainTimer();
    d->engine.open();
    QTRY_COMPARE_WITH_TIMEOUT(d->output.played.size(), played + 1, 5000);
    QVERIFY(lastSaid().contains(QStringLiteral("<NUMK VAL=%1 COUNTER=ほん>").arg(f.LastNumber)));
  }

 private:
  QString lastSaid() const { return utf8Of(d->lastText()); }
  QStringList captions() const {
    QStringList shown;
    for (PlateButton* p : d->form.RuzdoPole->Plates()) shown << p->text();
    return shown;
  }

  std::unique_ptr<DrillFixture> d;
};

QTEST_MAIN(TestSentences)
#include "test_sentences.moc"
