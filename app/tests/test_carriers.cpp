// The sentences questions are said in: the table as shipped parses, covers
// every counter of the picker, and every row is read by the engine, with the
// number's particles in the number's accent phrase.
#include <QFile>
#include <QTest>
#include <set>

#include "core/carrier_sentences.h"
#include "core/lessons/lesson_saying.h"
#include "core/random_source.h"
#include "core/speech_text.h"
#include "onsei/onsei.h"

namespace {

ruzdo::CarrierTable shippedTable() {
  QFile file(QStringLiteral(RUZDO_CARRIERS));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return ruzdo::ParseCarriers(file.readAll().toStdString());
}

QString reading(const std::string& utf8) {
  const auto sjis = ruzdo::ToShiftJis(utf8);
  if (!sjis) return {};
  char* text = Onsei_Reading(sjis->c_str());
  const QString out = QString::fromUtf8(text ? text : "");
  Onsei_FreeText(text);
  return out;
}

// The kana right after the tag, up to the next mark: said with the number.
QString kanaAfterSlot(const std::string& phonetic) {
  QString rest = QString::fromStdString(phonetic.substr(phonetic.find("{}") + 2));
  QString kana;
  for (QChar c : rest) {
    if (QStringLiteral("/、。？").contains(c)) break;
    if (c != u'\'') kana += c;
  }
  return kana;
}

}  // namespace

class TestCarriers : public QObject {
  Q_OBJECT
 private slots:
  void tableCoversThePicker() {
    const ruzdo::CarrierTable table = shippedTable();
    QVERIFY2(table.errors.empty(), table.errors.empty() ? "" : table.errors.front().c_str());
    QVERIFY(table.rows.size() >= 80);
    std::set<std::string> keys;
    for (const auto& row : table.rows) keys.insert(row.key);
    QVERIFY(keys.count(std::string(ruzdo::kSequenceKey)));
    for (int t = 0; t < kTaniCount; ++t) {
      const std::string reading(CounterReading(static_cast<TTani>(t)));
      QVERIFY2(keys.count(reading), reading.c_str());
    }
  }

  void everyRowIsRead_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<qint64>("value");
    const ruzdo::CarrierTable table = shippedTable();
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
      const auto& row = table.rows[i];
      // The lessons' rows hold their items, not a number (test_lessons).
      if (ruzdo::IsLessonCarrierKey(row.key)) continue;
      std::set<qint64> values = {0, 1, 3, 8, 10, 100, 1000, 100000};
      for (const auto& [low, high] : row.fits) values.insert({low, high});
      for (qint64 v : values)
        if (row.key == ruzdo::kSequenceKey ? v == 0 : row.fitsValue(v))
          QTest::addRow("line %d, %lld", row.line, static_cast<long long>(v))
              << static_cast<int>(i) << v;
    }
  }
  void everyRowIsRead() {
    QFETCH(int, row);
    QFETCH(qint64, value);
    static const ruzdo::CarrierTable table = shippedTable();
    const ruzdo::CarrierSentence& carrier = table.rows[static_cast<std::size_t>(row)];
    std::vector<std::string> texts;
    if (carrier.key == ruzdo::kSequenceKey) {
      for (const char* s : {"03-1234-5678", "4-07", "123-4567"})
        texts.push_back(ruzdo::SequenceInSentence(carrier, s).phonetic);
    } else {
      // The counter's reading as the tag takes it, whatever the row's key.
      std::string tag = "<NUMK VAL=" + std::to_string(value) + " COUNTER=" + carrier.key + ">";
      texts.push_back(carrier.phonetic.substr(0, carrier.phonetic.find("{}")) + tag +
                      carrier.phonetic.substr(carrier.phonetic.find("{}") + 2));
    }
    const QString after = kanaAfterSlot(carrier.phonetic);
    for (const std::string& text : texts) {
      const QString said = reading(text);
      QVERIFY2(!said.isEmpty(), (text + ": " + Onsei_LastError()).c_str());
      // Nothing after the number stands alone: its particles are its own.
      if (!after.isEmpty())
        QVERIFY2(!said.contains(u'/' + after) && !said.contains(u'、' + after),
                 qPrintable(QString::fromStdString(text) + u' ' + said));
    }
  }

  void parsingAndDrawing() {
    const ruzdo::CarrierTable table = ruzdo::ParseCarriers(
        "# comment\n"
        "じ\t会議は{}からです。\tか'いぎわ/{}からです。\t0-24\n"
        "じ\t{}ごろ着きます。\t{}ごろ/つきま'す。\n"
        "か'い\t{}です。\t{}です。\t1-3,5\n"
        "じ\tno slot\t{}\n"
        "じ\t{}\t{}\t12-1\n"
        "じ\t{}{}\t{}\n"
        "only two\tfields\n");
    QCOMPARE(table.rows.size(), std::size_t(3));
    QCOMPARE(table.errors.size(), std::size_t(4));
    QVERIFY(table.errors[0].rfind("line 5:", 0) == 0);
    QVERIFY(table.rows[2].fitsValue(5) && !table.rows[2].fitsValue(4));
    // Out of every row's range: nothing; the accent mark of a key is optional.
    QVERIFY(!ruzdo::DrawCarrier(table, "か'い", 4));
    QCOMPARE(ruzdo::DrawCarrier(table, "かい", 2), &table.rows[2]);
    QCOMPARE(ruzdo::DrawCarrier(table, "じ", 30), &table.rows[1]);
    ruzdo::SeedRandom(5);
    std::set<const ruzdo::CarrierSentence*> drawn;
    for (int i = 0; i < 50; ++i) drawn.insert(ruzdo::DrawCarrier(table, "じ", 3));
    QCOMPARE(drawn.size(), std::size_t(2));
    const ruzdo::SentenceText said = ruzdo::NumberInSentence(table.rows[0], 7, tanZi, 2);
    QCOMPARE(said.written, std::string("会議は7時からです。"));
    QCOMPARE(said.phonetic, std::string("か'いぎわ/<NUMK VAL=7 COUNTER=じ VARIANT=2>からです。"));
    QCOMPARE(ruzdo::WrittenNumber(3, tanTuki), std::string("3か月"));
    QCOMPARE(ruzdo::SequenceInSentence(table.rows[1], "4-07").phonetic,
             std::string("<NUM VAL=4-07>ごろ/つきま'す。"));
  }
};

QTEST_APPLESS_MAIN(TestCarriers)
#include "test_carriers.moc"
