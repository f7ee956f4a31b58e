// The lessons' core: each lesson's items as plates write them, as learners
// type them and as the engine says them (against the engine's reviewed
// readings of compound forms), the confusions that make their plates, and
// the questions drawn from them.
#include <QFile>
#include <QTest>
#include <map>
#include <set>

#include "core/carrier_sentences.h"
#include "core/lessons/confusions.h"
#include "core/lessons/lesson_answers.h"
#include "core/lessons/lesson_draw.h"
#include "core/lessons/lesson_question.h"
#include "core/lessons/lesson_saying.h"
#include "core/random_source.h"
#include "core/speech_text.h"
#include "onsei/onsei.h"
#include "speech/speech_engine.h"

using ruzdo::DrillMode;
using ruzdo::LessonItem;
Q_DECLARE_METATYPE(LessonItem)
Q_DECLARE_METATYPE(DrillMode)
using LessonAnswerList = std::vector<ruzdo::PastLessonAnswer>;
using WeakScoreMap = std::map<std::string, int>;
Q_DECLARE_METATYPE(LessonAnswerList)
Q_DECLARE_METATYPE(WeakScoreMap)

namespace {

ruzdo::CarrierTable shippedCarriers() {
  QFile file(QStringLiteral(RUZDO_CARRIERS));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return ruzdo::ParseCarriers(file.readAll().toStdString());
}

// The engine's reviewed readings of compound forms: speech text → reading.
const std::map<std::string, std::string>& reviewed() {
  static const std::map<std::string, std::string> table = [] {
    std::map<std::string, std::string> rows;
    for (const char* form :
         {"times", "dates", "prices", "phones", "big_numbers", "announcements"}) {
      QFile file(QStringLiteral(RUZDO_FORMS "/%1.tsv").arg(QLatin1String(form)));
      if (!file.open(QIODevice::ReadOnly)) continue;
      for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 2 && !line.startsWith('#'))
          rows[fields[0].toStdString()] = fields[1].toStdString();
      }
    }
    return rows;
  }();
  return table;
}

// The built-in engine's count of a tag's readings, through the speech seam.
int engineCount(const std::string& tag) {
  static const ruzdo::SpeechEngine engine = ruzdo::SpeechEngine::Onsei();
  return ruzdo::TagVariantCount(engine, tag);
}

// The engine's reading of UTF-8 speech text; "" when it refuses it.
std::string reading(const std::string& utf8) {
  const auto sjis = ruzdo::ToShiftJis(utf8);
  char* text = sjis ? Onsei_Reading(sjis->c_str()) : nullptr;
  std::string out = text ? text : "";
  Onsei_FreeText(text);
  return out;
}

LessonItem time(int prefix, int hour, int minute, bool half = false) {
  LessonItem i;
  i.lesson = DrillMode::kTimes;
  i.prefix = prefix, i.hour = hour, i.minute = minute, i.half = half;
  return i;
}
LessonItem date(int month, int day, int year = 0, bool weekday = false) {
  LessonItem i;
  i.lesson = DrillMode::kDates;
  i.month = month, i.day = day, i.weekday = weekday;
  if (year) i.year = year, i.yearShown = true;
  return i;
}
LessonItem amount(DrillMode lesson, long long value, int unit = 0) {
  LessonItem i;
  i.lesson = lesson;
  i.amount = value, i.unit = unit;
  return i;
}
LessonItem phone(std::vector<std::string> groups) {
  LessonItem i;
  i.lesson = DrillMode::kPhones;
  i.groups = std::move(groups);
  return i;
}
LessonItem announcement(int platform, int hour, int minute) {
  LessonItem i;
  i.lesson = DrillMode::kAnnouncements;
  i.platform = platform, i.hour = hour, i.minute = minute;
  return i;
}

constexpr DrillMode kLessons[] = {DrillMode::kTimes,      DrillMode::kDates,
                                  DrillMode::kPrices,     DrillMode::kPhones,
                                  DrillMode::kBigNumbers, DrillMode::kAnnouncements};

}  // namespace

class TestLessons : public QObject {
  Q_OBJECT
 private slots:
  // A table of items per lesson: the plate, the digits typed for it, the
  // speech text alone, and the engine reading it as reviewed.
  void writtenTypedAndSaid_data() {
    QTest::addColumn<LessonItem>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("phonetic");
    auto row = [](const char* name, LessonItem item, const char* caption, const char* typed,
                  const char* phonetic) {
      QTest::newRow(name) << item << QString::fromUtf8(caption) << QString::fromUtf8(typed)
                          << QString::fromUtf8(phonetic);
    };
    // Times
    row("10:15", time(0, 10, 15), "10:15", "1015",
        "<NUMK VAL=10 COUNTER=じ><NUMK VAL=15 COUNTER=ふん>");
    row("7:00", time(0, 7, 0), "7:00", "700", "<NUMK VAL=7 COUNTER=じ>");
    row("3時半", time(0, 3, 30, true), "3:30", "330", "<NUMK VAL=3 COUNTER=じはん>");
    row("午後3時半", time(2, 3, 30, true), "午後3:30", "330", "ご'ご/<NUMK VAL=3 COUNTER=じはん>");
    row("午前11:45", time(1, 11, 45), "午前11:45", "1145",
        "ご'ぜん/<NUMK VAL=11 COUNTER=じ><NUMK VAL=45 COUNTER=ふん>");
    row("17:40", time(0, 17, 40), "17:40", "1740",
        "<NUMK VAL=17 COUNTER=じ><NUMK VAL=40 COUNTER=ふん>");
    // Dates
    row("3月14日", date(3, 14), "3月14日", "314",
        "<NUMK VAL=3 COUNTER=がつ><NUMK VAL=14 COUNTER=にち>");
    row("4月8日", date(4, 8), "4月8日", "48", "<NUMK VAL=4 COUNTER=がつ><NUMK VAL=8 COUNTER=にち>");
    row("with year", date(3, 14, 2026), "2026年3月14日", "314",
        "<NUMK VAL=2026 COUNTER=ねん><NUMK VAL=3 COUNTER=がつ><NUMK VAL=14 COUNTER=にち>");
    row("with weekday", date(3, 14, 0, true), "3月14日(土)", "314",
        "<NUMK VAL=3 COUNTER=がつ><NUMK VAL=14 COUNTER=にち>/どよ'ーび");
    // Prices
    row("98円", amount(DrillMode::kPrices, 98), "98円", "98", "<NUMK VAL=98 COUNTER=えん>");
    row("1,980円", amount(DrillMode::kPrices, 1980), "1,980円", "1980",
        "<NUMK VAL=1980 COUNTER=えん>");
    row("12,800円", amount(DrillMode::kPrices, 12800), "12,800円", "12800",
        "<NUMK VAL=12800 COUNTER=えん>");
    // Phones
    row("mobile", phone({"090", "1234", "5678"}), "090-1234-5678", "09012345678",
        "<NUM VAL=090-1234-5678>");
    row("Tokyo", phone({"03", "1234", "5678"}), "03-1234-5678", "0312345678",
        "<NUM VAL=03-1234-5678>");
    row("free dial", phone({"0120", "123", "456"}), "0120-123-456", "0120123456",
        "<NUM VAL=0120-123-456>");
    // Big numbers
    row("35万", amount(DrillMode::kBigNumbers, 350000), "35万", "35", "<NUMK VAL=350000 COUNTER=>");
    row("1億2000万", amount(DrillMode::kBigNumbers, 120000000), "1億2000万", "12000",
        "<NUMK VAL=120000000 COUNTER=>");
    row("3500万円", amount(DrillMode::kBigNumbers, 35000000, 1), "3500万円", "3500",
        "<NUMK VAL=35000000 COUNTER=えん>");
    row("1億2600万人", amount(DrillMode::kBigNumbers, 126000000, 2), "1億2600万人", "12600",
        "<NUMK VAL=126000000 COUNTER=にん>");
    // Announcements, said without their sentences
    row("3 · 10:15", announcement(3, 10, 15), "3 · 10:15", "31015",
        "<NUMK VAL=3 COUNTER=ばんせん>、<NUMK VAL=10 COUNTER=じ><NUMK VAL=15 COUNTER=ふん>");
  }
  void writtenTypedAndSaid() {
    QFETCH(LessonItem, item);
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    QFETCH(QString, phonetic);
    const std::string written = ruzdo::LessonCaption(item);
    QCOMPARE(QString::fromStdString(written), caption);
    QCOMPARE(QString::fromStdString(ruzdo::LessonTypedDigits(item.lesson, written)), typed);
    const ruzdo::LessonSaying said = ruzdo::SayLessonItem(item, {}, false, false, engineCount);
    QCOMPARE(QString::fromStdString(said.phonetic), phonetic);
    QCOMPARE(said.variant, 1);
    // Every piece of the text is a reviewed form, read as reviewed.
    for (const ruzdo::SpeechPiece& piece : ruzdo::LessonPieces(item)) {
      const auto row = reviewed().find(piece.phonetic());
      QVERIFY2(row != reviewed().end(), piece.phonetic().c_str());
      QCOMPARE(reading(piece.phonetic()), row->second);
    }
  }

  // What each lesson confuses an item with: heard (must be among its
  // confusions) and not heard (a neighbour that is not confusable).
  void confusions_data() {
    QTest::addColumn<LessonItem>("item");
    QTest::addColumn<QStringList>("heard");
    QTest::addColumn<QString>("notHeard");
    auto row = [](const char* name, LessonItem item, QStringList heard, const char* notHeard) {
      QTest::newRow(name) << item << heard << QString::fromUtf8(notHeard);
    };
    row("4:15", time(0, 4, 15), {"7:15", "9:15", "14:15", "4:50", "4:05", "4:45"}, "4:16");
    row("午後7:30", time(2, 7, 30), {"午後1:30", "午後4:30", "午後7:00"}, "午後17:30");
    row("4月4日", date(4, 4), {"7月4日", "9月4日", "4月8日", "4月14日"}, "5月4日");
    row("2月2日", date(2, 2), {"12月2日", "2月20日", "2月5日"}, "2月3日");
    row("2月20日", date(2, 20), {"2月2日", "2月5日"}, "2月30日");
    row("380円", amount(DrillMode::kPrices, 380), {"680円", "880円", "3,800円", "38円"}, "390円");
    row("1,980円", amount(DrillMode::kPrices, 1980), {"8,980円", "19,800円", "198円"}, "1,990円");
    row("090", phone({"090", "1234", "5678"}),
        {"080-1234-5678", "090-8234-5678", "090-1234-2678", "090-1234-5978"}, "090-1234-5679");
    row("1000万", amount(DrillMode::kBigNumbers, 10000000), {"100万", "1億", "8000万"}, "2000万");
    row("350万", amount(DrillMode::kBigNumbers, 3500000), {"650万", "850万", "3500万", "35万"},
        "450万");
    row("3 · 7:15", announcement(3, 7, 15), {"4 · 7:15", "13 · 7:15", "3 · 1:15", "3 · 7:50"},
        "5 · 7:15");
  }
  void confusions() {
    QFETCH(LessonItem, item);
    QFETCH(QStringList, heard);
    QFETCH(QString, notHeard);
    QSet<QString> captions;
    for (const ruzdo::LessonConfusion& c : ruzdo::ConfusionsOf(item)) {
      QVERIFY(!c.reason.empty());
      captions.insert(QString::fromStdString(ruzdo::LessonCaption(c.item)));
    }
    for (const QString& h : heard) QVERIFY2(captions.contains(h), qPrintable(h));
    QVERIFY(!captions.contains(notHeard));
    QVERIFY(!captions.contains(QString::fromStdString(ruzdo::LessonCaption(item))));
    // With room for them, a question shows every confusion of its item.
    if (captions.size() < ruzdo::kMostLessonPlates) {
      QSet<QString> plates;
      for (const LessonItem& p : ruzdo::LessonPlates(item, ruzdo::kMostLessonPlates))
        plates.insert(QString::fromStdString(ruzdo::LessonCaption(p)));
      for (const QString& c : captions) QVERIFY2(plates.contains(c), qPrintable(c));
    }
  }

  // Many drawn questions of each lesson: plates as a question needs them, and
  // every text said for them read by the engine, as reviewed where it was.
  void drawnQuestions_data() {
    QTest::addColumn<DrillMode>("lesson");
    QTest::addColumn<bool>("hasVariants");
    for (DrillMode lesson : kLessons)
      QTest::addRow("lesson %d", static_cast<int>(lesson))
          << lesson << (lesson != DrillMode::kPrices && lesson != DrillMode::kBigNumbers);
  }
  void drawnQuestions() {
    QFETCH(DrillMode, lesson);
    QFETCH(bool, hasVariants);
    static const ruzdo::CarrierTable carriers = shippedCarriers();
    ruzdo::SeedRandom(26 + static_cast<int>(lesson));
    int checked = 0, otherReadings = 0;
    std::set<std::string> sentences;
    for (int n = 0; n < 150; ++n) {
      const int count = ruzdo::kFewestLessonPlates + n % 7;
      const auto drawn =
          ruzdo::DrawLessonQuestion(lesson, count, carriers, {n % 2 == 1, true, ""}, engineCount);
      const LessonItem& said = drawn.said;
      QVERIFY2(ruzdo::ValidLessonItem(said), ruzdo::LessonCaption(said).c_str());
      const ruzdo::Question& q = drawn.question;
      QCOMPARE(q.mode, lesson);
      QCOMPARE(q.said.written, q.answer);
      QVERIFY(Onsei_VariantCount(q.said.koe.c_str()) > 0);
      QCOMPARE(
          ruzdo::ItemOnPlate(drawn.plates, q.answer),
          &drawn.plates[static_cast<std::size_t>(
              std::find(q.captions.begin(), q.captions.end(), q.answer) - q.captions.begin())]);
      QCOMPARE(static_cast<int>(q.captions.size()), count);
      // A plate's caption gives back its item (a click between questions says it).
      for (const std::string& c : q.captions) {
        const auto item = ruzdo::LessonItemOfCaption(lesson, c);
        QVERIFY2(item && ruzdo::LessonCaption(*item) == c, c.c_str());
      }
      QCOMPARE(std::count(q.captions.begin(), q.captions.end(), q.answer), 1);
      std::set<std::string> typed;
      for (const std::string& c : q.captions) typed.insert(ruzdo::LessonTypedDigits(lesson, c));
      QCOMPARE(typed.size(), q.captions.size());
      for (bool inSentence : {false, true})
        for (bool variants : {false, true}) {
          const auto saying =
              ruzdo::SayLessonItem(said, carriers, inSentence, variants, engineCount);
          const std::string read = reading(saying.phonetic);
          QVERIFY2(!read.empty(), (saying.phonetic + ": " + Onsei_LastError()).c_str());
          if (const auto row = reviewed().find(saying.phonetic); row != reviewed().end()) {
            QCOMPARE(read, row->second);
            ++checked;
          }
          QCOMPARE(saying.variant > 1, saying.phonetic.find("VARIANT=") != std::string::npos);
          if (saying.variant > 1) ++otherReadings;
          if (!variants) QCOMPARE(saying.variant, 1);
          const bool sentence = !saying.sentence.empty();
          QVERIFY(sentence == (inSentence || lesson == DrillMode::kAnnouncements));
          if (sentence) {
            QVERIFY(saying.sentence.find(inSentence && lesson != DrillMode::kAnnouncements
                                             ? q.answer
                                             : std::string()) != std::string::npos);
            sentences.insert(saying.sentence.substr(0, 6));
          }
        }
    }
    qInfo("lesson %d: %d texts read as reviewed, %d in another reading, %zu sentences",
          static_cast<int>(lesson), checked, otherReadings, sentences.size());
    QCOMPARE(otherReadings > 0, hasVariants);
    QVERIFY(sentences.size() >= 2);
  }

  // Announcement rows hold a platform and a time, and only they may.
  void twoNumberSentences() {
    const ruzdo::CarrierTable table = ruzdo::ParseCarriers(
        "ANNOUNCEMENT\t{}の電車は、{2}発です。\t{}の/でんしゃわ、{2}はつです。\n"
        "ANNOUNCEMENT\t{}の電車は、{2}発です。\t{}の/でんしゃわ、はつです。\n");
    QCOMPARE(table.rows.size(), std::size_t(1));
    QCOMPARE(table.errors.size(), std::size_t(1));
    const auto said = ruzdo::SayLessonItem(announcement(4, 9, 5), table, false, false, engineCount);
    QCOMPARE(QString::fromStdString(said.sentence), QStringLiteral("4番線の電車は、9:05発です。"));
    QCOMPARE(QString::fromStdString(reading(said.phonetic)),
             QString::fromUtf8(reviewed().at(said.phonetic)));
  }

  // «Чаще ошибочные» in a lesson: the numbers' rule keyed by written form,
  // and the draws it weighs (a fresh draw standing for 12 untroubled items).
  void weakItemsComeMoreOften_data() {
    QTest::addColumn<LessonAnswerList>("recent");
    QTest::addColumn<WeakScoreMap>("scores");
    const ruzdo::PastLessonAnswer missed{"4:15", "7:15", true};
    const ruzdo::PastLessonAnswer right{"4:15", "4:15", false};
    QTest::newRow("nothing yet: the plain draws") << LessonAnswerList{} << WeakScoreMap{};
    QTest::newRow("a miss and its confusion")
        << LessonAnswerList{missed} << WeakScoreMap{{"4:15", 3}, {"7:15", 1}};
    QTest::newRow("unanswered: no confusion")
        << LessonAnswerList{{"4:15", "", true}} << WeakScoreMap{{"4:15", 3}};
    QTest::newRow("three right answers pay a miss off")
        << LessonAnswerList{missed, right, right, right} << WeakScoreMap{{"7:15", 1}};
    QTest::newRow("right answers first bank nothing")
        << LessonAnswerList{right, right, missed} << WeakScoreMap{{"4:15", 3}, {"7:15", 1}};
    QTest::newRow("capped") << LessonAnswerList(10, missed)
                            << WeakScoreMap{{"4:15", 12}, {"7:15", 10}};
  }
  void weakItemsComeMoreOften() {
    QFETCH(LessonAnswerList, recent);
    QFETCH(WeakScoreMap, scores);
    QCOMPARE(ruzdo::WeakScores(recent), scores);
    constexpr int kDraws = 3000;
    const auto draw = [&](bool weak) {
      ruzdo::SeedRandom(15);
      std::vector<std::string> drawn;
      for (int i = 0; i < kDraws; ++i)
        drawn.push_back(
            ruzdo::LessonCaption(weak ? ruzdo::DrawWeakLessonItem(DrillMode::kTimes, recent, 12)
                                      : ruzdo::DrawLessonItem(DrillMode::kTimes)));
      return drawn;
    };
    const std::vector<std::string> drawn = draw(true);
    if (scores.empty()) QCOMPARE(drawn, draw(false));
    int total = 12;
    for (const auto& [item, score] : scores) total += score;
    for (const auto& [item, score] : scores) {
      const auto seen = std::count(drawn.begin(), drawn.end(), item);
      const double expected = double(kDraws) * score / total;
      QVERIFY2(
          seen > 0.8 * expected && seen < 1.2 * expected + 10,
          qPrintable(QStringLiteral("%1: %2 of %3").arg(item.c_str()).arg(seen).arg(expected)));
    }
  }
};

QTEST_APPLESS_MAIN(TestLessons)
#include "test_lessons.moc"
