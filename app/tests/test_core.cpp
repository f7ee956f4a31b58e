// The trainer's plain logic: grid arithmetic, sequences, the counter table.
#include <QTest>
#include <cmath>
#include <set>

#include "core/beside_placement.h"
#include "core/digit_sequence.h"
#include "core/noise_staircase.h"
#include "core/plate_layout.h"
#include "core/random_source.h"
#include "core/speech_text.h"
#include "core/speech_voice.h"
#include "core/tani.h"
#include "core/typed_answer.h"
#include "core/value_text.h"

class TestCore : public QObject {
  Q_OBJECT
 private slots:
  void cellSize_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("minRuzdo");
    QTest::addColumn<int>("maxRuzdo");
    QTest::addColumn<int>("indention");
    QTest::addColumn<int>("cellWidth");
    QTest::addColumn<int>("cellHeight");
    QTest::addColumn<int>("scrollRange");  // how far the plates reach below the grid
    QTest::newRow("defaults") << 452 << 629 << 2 << 0 << 0 << 9 << 0 << 226 << 125 << 0;
    QTest::newRow("indent needs a sixth row")
        << 452 << 629 << 2 << 0 << 0 << 9 << 1 << 226 << 104 << 0;
    QTest::newRow("explicit rows") << 452 << 629 << 2 << 2 << 0 << 9 << 0 << 226 << 314 << 941;
    QTest::newRow("2 rows for 0 ... 10 in 3 columns")
        << 452 << 629 << 3 << 2 << 0 << 10 << 0 << 150 << 314 << 627;
    QTest::newRow("the rows the plates need")
        << 452 << 629 << 2 << 5 << 0 << 9 << 0 << 226 << 125 << 0;
    QTest::newRow("more rows than needed")
        << 452 << 629 << 2 << 10 << 0 << 9 << 0 << 226 << 62 << 0;
    QTest::newRow("one plate") << 452 << 629 << 2 << 0 << 20 << 20 << 0 << 226 << 629 << 0;
    QTest::newRow("hundred plates") << 451 << 629 << 10 << 0 << 0 << 99 << 0 << 45 << 62 << 0;
    QTest::newRow("odd width drops remainder")
        << 455 << 100 << 3 << 0 << 0 << 2 << 0 << 151 << 100 << 0;
  }
  void cellSize() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(int, minRuzdo);
    QFETCH(int, maxRuzdo);
    QFETCH(int, indention);
    const ruzdo::PlateGridShape s{width, height, cols, rows, minRuzdo, maxRuzdo, indention};
    QFETCH(int, cellWidth);
    QCOMPARE(ruzdo::CellWidth(s), cellWidth);
    QFETCH(int, cellHeight);
    QCOMPARE(ruzdo::CellHeight(s), cellHeight);
    QFETCH(int, scrollRange);
    QCOMPARE(ruzdo::ScrollRange(s), scrollRange);
    // Scrolled to the end, the last plate ends at the grid's bottom edge or above it.
    const ruzdo::PlateRect last = ruzdo::PlateRectAt(s, maxRuzdo - minRuzdo, scrollRange);
    QVERIFY(last.top + last.height <= height);
  }

  void platePositions() {
    // Indent 1 in two columns: row 0 holds an empty cell and plate 0.
    const ruzdo::PlateGridShape s{452, 629, 2, 0, 0, 9, 1};
    const ruzdo::PlateRect first = ruzdo::PlateRectAt(s, 0);
    QCOMPARE(first.left, 226);
    QCOMPARE(first.top, 0);
    const ruzdo::PlateRect second = ruzdo::PlateRectAt(s, 1);
    QCOMPARE(second.left, 0);
    QCOMPARE(second.top, 104);
    const ruzdo::PlateRect last = ruzdo::PlateRectAt(s, 9);
    QCOMPARE(last.left, 0);
    QCOMPARE(last.top, 5 * 104);
  }

  void sequences() {
    ruzdo::SeedRandom(7);
    for (int i = 0; i < 200; ++i) {
      const std::string s = ruzdo::MakeSequence("_-__");
      QCOMPARE(s.size(), size_t{4});
      QVERIFY(std::isdigit(static_cast<unsigned char>(s[0])));
      QCOMPARE(s[1], '-');
      QVERIFY(std::isdigit(static_cast<unsigned char>(s[2])));
      QVERIFY(std::isdigit(static_cast<unsigned char>(s[3])));
    }
    QCOMPARE(ruzdo::MakeSequence(""), std::string());
    QCOMPARE(ruzdo::MakeSequence("ab -"), std::string("ab -"));
    const std::string a = ruzdo::MakeSequence("a_");
    QCOMPARE(a.size(), size_t{2});
    QCOMPARE(a[0], 'a');
    // Non-ASCII template characters are copied whole.
    QCOMPARE(ruzdo::MakeSequence("№").size(), std::string("№").size());
  }

  void randomIsUniformAndBounded() {
    ruzdo::SeedRandom(1);
    int counts[10] = {};
    for (int i = 0; i < 10000; ++i) {
      const int r = ruzdo::RandomBelow(10);
      QVERIFY(r >= 0 && r < 10);
      ++counts[r];
    }
    for (int c : counts) QVERIFY2(c > 850 && c < 1150, "draws far from uniform");
    QCOMPARE(ruzdo::RandomBelow(1), 0);
    QCOMPARE(ruzdo::RandomBelow(0), 0);
  }

  // The bytes of a number's speech text: the usual reading keeps the text as
  // it always was, another reading adds its VARIANT.
  void numberSpeechText_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QByteArray>("utf8");
    QTest::newRow("usual") << 7 << int(tanZi) << 1 << QByteArray("<NUMK VAL=7 COUNTER=じ>。");
    QTest::newRow("no counter") << 0 << int(tanNone) << 1 << QByteArray("<NUMK VAL=0 COUNTER=>。");
    QTest::newRow("second") << 7 << int(tanZi) << 2
                            << QByteArray("<NUMK VAL=7 COUNTER=じ VARIANT=2>。");
    QTest::newRow("no counter, second")
        << 0 << int(tanNone) << 2 << QByteArray("<NUMK VAL=0 COUNTER= VARIANT=2>。");
    QTest::newRow("accent mark") << 3 << int(tanGai) << 2
                                 << QByteArray("<NUMK VAL=3 COUNTER=か'い VARIANT=2>。");
  }
  void numberSpeechText() {
    QFETCH(int, value);
    QFETCH(int, counter);
    QFETCH(int, variant);
    QFETCH(QByteArray, utf8);
    const std::string sjis = ruzdo::NumberSpeechText(value, static_cast<TTani>(counter), variant);
    QCOMPARE(QByteArray::fromStdString(sjis),
             QByteArray::fromStdString(ruzdo::ToShiftJis(utf8.toStdString()).value()));
  }

  void voiceChoice() {
    QCOMPARE(ruzdo::VoiceDisplayName("standard"), std::string("Мужчина 1, обычный"));
    QCOMPARE(ruzdo::VoiceDisplayName("fast"), std::string("Мужчина 1, быстрый"));
    QCOMPARE(ruzdo::VoiceDisplayName("mei-happy"), std::string("Женщина 1, радостная"));
    QCOMPARE(ruzdo::VoiceDisplayName("whisper"), std::string("whisper"));
    QCOMPARE(ruzdo::VoiceKey("standard"), std::string());
    QCOMPARE(ruzdo::VoiceKey("low"), std::string("low"));
    QCOMPARE(ruzdo::RandomVoice({}), std::string());
    ruzdo::SeedRandom(3);
    const std::vector<std::string> presets = {"standard", "low", "high", "fast"};
    std::set<std::string> voices;
    std::set<int> variants;
    for (int i = 0; i < 200; ++i) {
      voices.insert(ruzdo::RandomVoice(presets));
      variants.insert(ruzdo::RandomVariant(3));
      QCOMPARE(ruzdo::RandomVariant(1), 1);
      QCOMPARE(ruzdo::RandomVariant(0), 1);
    }
    QCOMPARE(voices, (std::set<std::string>{"", "low", "high", "fast"}));
    QCOMPARE(variants, (std::set<int>{1, 2, 3}));
  }

  // A window opened beside the main window: rectangles in, rectangle out.
  // The test screen of the cases is 1280 × 800 but where named; the window
  // 360 × 400.
  void besidePlacement_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QList<QRect>>("keep");
    QTest::addColumn<QRect>("placed");
    const QRect screen(0, 0, 1280, 800);
    const QRect wide(0, 0, 1920, 1080);
    const QRect main(10, 12, 938, 660);
    QTest::newRow("right of the main window")
        << wide << main << QList<QRect>{} << QRect(948, 12, 360, 400);
    QTest::newRow("left, no room right")
        << wide << QRect(900, 40, 938, 660) << QList<QRect>{} << QRect(540, 40, 360, 400);
    QTest::newRow("below, none either side")
        << screen << QRect(0, 0, 1280, 300) << QList<QRect>{} << QRect(0, 300, 360, 400);
    QTest::newRow("above, none elsewhere")
        << screen << QRect(0, 420, 1280, 380) << QList<QRect>{} << QRect(0, 20, 360, 400);
    QTest::newRow("low main window: its top kept on screen")
        << wide << QRect(10, 900, 938, 160) << QList<QRect>{} << QRect(948, 680, 360, 400);
    // Start, Stop, the plates and «Статистика» of a main window at 10, 12.
    const QList<QRect> run = {
        {655, 40, 100, 68}, {780, 40, 100, 68}, {180, 40, 460, 620}, {655, 420, 294, 105}};
    QTest::newRow("no room: over the main window's right edge, clear of its parts")
        << screen << main << run << QRect(920, 12, 360, 400);
    QTest::newRow("no room: below Stop when the edge is over it")
        << screen << QRect(0, 0, 1280, 780)
        << QList<QRect>{{1000, 10, 100, 68}, {200, 100, 700, 600}} << QRect(920, 78, 360, 400);
    QTest::newRow("no room: the least covered share")
        << QRect(0, 0, 400, 400) << QRect(0, 0, 400, 400)
        << QList<QRect>{{0, 0, 400, 200}, {0, 200, 100, 200}} << QRect(40, 0, 360, 400);
    QTest::newRow("larger than the screen: its top left corner on it")
        << screen << main << run << QRect(0, 0, 1400, 900);
  }
  void besidePlacement() {
    QFETCH(QRect, screen);
    QFETCH(QRect, owner);
    QFETCH(QList<QRect>, keep);
    QFETCH(QRect, placed);
    const auto rect = [](const QRect& r) {
      return ruzdo::ScreenRect{r.x(), r.y(), r.width(), r.height()};
    };
    std::vector<ruzdo::KeptInView> kept;
    for (const QRect& r : keep) kept.push_back({rect(r), 1});
    const ruzdo::ScreenRect got =
        ruzdo::PlaceBesideOwner(rect(screen), rect(owner), placed.width(), placed.height(), kept);
    QCOMPARE(QRect(got.x, got.y, got.width, got.height), placed);
  }

  void counterTable() {
    QCOMPARE(sizeof(TTani), size_t{1});
    QCOMPARE(int(tanPaasento), 25);  // stored ordinals: the first 26 never move
    QCOMPARE(int(tanTu), 26);
    QCOMPARE(int(tanTen), kTaniCount - 1);
    QCOMPARE(CounterReading(tanNone), std::string_view());
    QCOMPARE(TaniResourceName(tanNone), std::string_view());
    QCOMPARE(CounterReading(tanHon), std::string_view("ほん"));
    QCOMPARE(CounterReading(tanGai), std::string_view("か'い"));
    QCOMPARE(CounterReading(tanKai), std::string_view("かい"));
    QCOMPARE(CounterReading(tanPaasento), std::string_view("ぱーせ'んと"));
    QCOMPARE(TaniResourceName(tanTyoume), std::string_view("TYOUME"));
    QCOMPARE(TaniWritten(tanGai), std::string_view("階"));
    QCOMPARE(TaniWritten(tanKiro), std::string_view("キロ"));
    QCOMPARE(TaniWritten(tanNone), std::string_view());
    QCOMPARE(TaniWritten(tanTuki), std::string_view("か月"));  // a count, not a month's name
    QCOMPARE(CounterReading(tanTuki), std::string_view("つき"));
    for (int i = 1; i < kTaniCount; ++i) {
      const auto t = static_cast<TTani>(i);
      QVERIFY(!TaniResourceName(t).empty());
      QVERIFY(!CounterReading(t).empty());
      // One character is 16 pixels, two are 30, ページ 44.
      const std::string_view written = TaniWritten(t);
      const auto characters =
          QString::fromUtf8(written.data(), static_cast<qsizetype>(written.size())).size();
      QCOMPARE(TaniPictureWidth(t), characters == 1 ? 16 : characters == 2 ? 30 : 44);
    }
  }

  void noiseStaircase_data() {
    // Answers in order (r right, w wrong) and the level after each.
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QList<double>>("levels");
    QTest::newRow("two right make it harder") << "rrrr" << QList<double>{15, 13, 13, 11};
    QTest::newRow("a miss makes it easier and breaks the pair")
        << "rwrrw" << QList<double>{15, 17, 17, 15, 17};
    QTest::newRow("never easier than +20") << "www" << QList<double>{17, 19, 20};
    QTest::newRow("never harder than -5")
        << QString(24, 'r') << QList<double>{15, 13, 13, 11, 11, 9,  9,  7,  7,  5,  5,  3,
                                             3,  1,  1,  -1, -1, -3, -3, -5, -5, -5, -5, -5};
  }
  void noiseStaircase() {
    QFETCH(QString, answers);
    QFETCH(QList<double>, levels);
    ruzdo::NoiseStaircase staircase;
    QCOMPARE(staircase.levelDb(), 15.0);
    for (qsizetype i = 0; i < answers.size(); ++i) {
      staircase.answer(answers[i] == 'r');
      QCOMPARE(staircase.levelDb(), levels[i]);
    }
  }
  void noiseStaircaseKeptLevel() {
    QCOMPARE(ruzdo::NoiseStaircase(7).levelDb(), 7.0);
    QCOMPARE(ruzdo::NoiseStaircase(40).levelDb(), 20.0);
    QCOMPARE(ruzdo::NoiseStaircase(-9).levelDb(), -5.0);
    QCOMPARE(ruzdo::NoiseStaircase(std::nan("")).levelDb(), 15.0);
  }

  void trackBarValues_data() {
    QTest::addColumn<int>("ms");
    QTest::addColumn<QString>("text");
    QTest::newRow("least") << 100 << "0,1 с";
    QTest::newRow("dragged") << 2137 << "2,14 с";
    QTest::newRow("rounded up") << 9996 << "10,0 с";
  }
  void trackBarValues() {
    QFETCH(int, ms);
    QTEST(QString::fromStdString(ruzdo::IntervalText(ms)), "text");
  }
  // Typed on the plates, a sequence is its digits alone.
  void sequenceDigitsNameTheirPlate() {
    QCOMPARE(ruzdo::MatchTyped("407", {"4-08", "4-07"}).plate, 1);
  }
};

QTEST_APPLESS_MAIN(TestCore)
#include "test_core.moc"
