// The drill model without a window: a run's ticks and clicks, its counters
// and summary, when the next question comes after a sound, and the recent
// answers «Чаще ошибочные» weighs.
#include <QTest>

#include "core/drill_run.h"
#include "core/question_timing.h"
#include "core/recent_answers.h"

using ruzdo::DrillMode;
using ruzdo::DrillRun;
using ruzdo::Question;
using Verdict = DrillRun::Verdict;
Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(ruzdo::Question)

namespace {

Question number(int n) { return Question::ofNumber(n); }
Question sequence(const char* answer) {
  return Question::ofCaption(DrillMode::kSequences, answer, {"12", answer, "34"});
}

// Runs a script of steps over a run of at most limit questions: "t" a tick
// (asking the next of asked while questions are left), "cN" a click on the
// plate N (its caption N too), "p" pause or resume, "s" stop. Returns what
// happened at each step: "a" asked, "m" a miss judged, "e" the run ended,
// "r"/"w"/"-" a click right, wrong, ignored, "x" one not judged (no run
// going), "p" paused or resumed.
QString play(DrillRun& run, int limit, const QList<Question>& asked, const QString& script) {
  run.start(limit);
  QString log;
  int next = 0;
  for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QChar c = step.front();
    if (c == QLatin1Char('t')) {
      if (run.judgeUnanswered()) log += QLatin1Char('m');
      if (run.questionsLeft()) {
        run.ask(asked[next++ % asked.size()]);
        log += QLatin1Char('a');
      } else {
        run.stop();
        log += QLatin1Char('e');
      }
    } else if (c == QLatin1Char('c')) {
      if (!run.running()) {
        log += QStringLiteral("x ");  // listening, not answering
        continue;
      }
      const int plate = step.mid(1).toInt();
      const Verdict v = run.answer({plate, step.mid(1).toStdString()});
      log += v == Verdict::kRight   ? QLatin1Char('r')
             : v == Verdict::kWrong ? QLatin1Char('w')
                                    : QLatin1Char('-');
    } else if (c == QLatin1Char('p')) {
      if (run.togglePause()) log += QLatin1Char('p');
    } else if (c == QLatin1Char('s')) {
      run.stop();
    }
    log += QLatin1Char(' ');
  }
  return log.trimmed();
}

QString misses(const DrillRun& run) {
  QStringList parts;
  for (const auto& [value, count] : run.misses())
    parts << QStringLiteral("%1x%2").arg(QString::fromStdString(value)).arg(count);
  return parts.join(QLatin1Char(','));
}

}  // namespace

class TestDrillModel : public QObject {
  Q_OBJECT
 private slots:
  void aRun_data() {
    QTest::addColumn<int>("limit");
    QTest::addColumn<QList<Question>>("asked");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("log");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("judged");
    QTest::addColumn<QString>("misses");
    const QList<Question> fiveSix = {number(5), number(6)};
    QTest::newRow("three unanswered end at three and three")
        << 3 << fiveSix << "t t t t"
        << "a ma ma me" << 3 << 3 << 3 << "5x2,6x1";
    QTest::newRow("a limit of none ends at the first tick") << 0 << fiveSix << "t"
                                                            << "e" << 0 << 0 << 0 << "";
    QTest::newRow("only the first click counts") << 5 << fiveSix << "t c5 c4 t c6"
                                                 << "a r - a r" << 2 << 0 << 2 << "";
    QTest::newRow("a wrong click, then not missed again") << 5 << fiveSix << "t c4 t"
                                                          << "a w a" << 2 << 1 << 1 << "5x1";
    QTest::newRow("a click before the first question: an error, nothing judged")
        << 5 << fiveSix << "c0 t"
        << "w a" << 1 << 1 << 0 << "";
    QTest::newRow("paused: clicks are not answers") << 5 << fiveSix << "t p c4 p c5"
                                                    << "a p x p r" << 1 << 0 << 1 << "";
    QTest::newRow("the most missed first")
        << 9 << QList<Question>{number(1), number(2), number(2)} << "t t t t"
        << "a ma ma ma" << 4 << 3 << 3 << "2x2,1x1";
    QTest::newRow("a number missed with its counter word")
        << 2 << QList<Question>{Question::ofNumber(9, "時")} << "t t c9"
        << "a ma r" << 2 << 1 << 2 << "9時x1";
    QTest::newRow("sequences judged by the caption")
        << 3 << QList<Question>{sequence("78"), sequence("90")} << "t c78 t c12 t"
        << "a r a w a" << 3 << 1 << 2 << "90x1";
  }
  void aRun() {
    QFETCH(int, limit);
    QFETCH(QList<Question>, asked);
    QFETCH(QString, script);
    DrillRun run;
    QTEST(play(run, limit, asked, script), "log");
    QTEST(int(run.QuestionCount), "questions");
    QTEST(int(run.ErrorCount), "errors");
    QTEST(run.judged(), "judged");
    QTEST(misses(run), "misses");
  }

  void theRunsState() {
    DrillRun run;
    QVERIFY(!run.exists() && !run.togglePause() && !run.stop());
    run.start(3);
    run.ask(number(4));
    run.planned = number(7);
    QVERIFY(run.running() && run.open());
    QVERIFY(run.togglePause());
    QCOMPARE(run.state(), ruzdo::RunState::kPaused);
    QVERIFY(run.exists() && !run.running());
    QVERIFY(run.stop());  // a question open at the stop is not judged
    QVERIFY(!run.exists() && !run.open() && !run.planned);
    QCOMPARE(run.judged(), 0);
    QCOMPARE(run.current().number, 4);
  }

  void theNextQuestionAfterASound_data() {
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("due");
    QTest::addColumn<int>("sound");
    QTest::addColumn<bool>("afterSpeech");
    QTest::addColumn<std::optional<int>>("wait");
    QTest::newRow("fits: as due") << 2000 << 2000 << 800 << false << std::optional<int>{};
    QTest::newRow("ends at the tick: as due")
        << 2000 << 1900 << 1900 << false << std::optional<int>{};
    QTest::newRow("a phone number at 2 s")
        << 2000 << 2000 << 3900 << false << std::optional<int>(4900);
    QTest::newRow("started late, would be cut")
        << 2000 << 500 << 800 << false << std::optional<int>(1800);
    QTest::newRow("held back for its sound")
        << 2000 << -1 << 0 << false << std::optional<int>(1000);
    QTest::newRow("after the speech") << 2000 << 2000 << 3900 << true << std::optional<int>(5900);
  }
  void theNextQuestionAfterASound() {
    QFETCH(int, interval);
    QFETCH(int, due);
    QFETCH(int, sound);
    QFETCH(bool, afterSpeech);
    QTEST(ruzdo::NextQuestionInMs(interval, due, sound, afterSpeech), "wait");
  }

  void theRecentAnswers_data() {
    QTest::addColumn<int>("stored");   // in the history: asked 1000, 1001 …
    QTest::addColumn<int>("session");  // answered before it was read: asked 0, 1 …
    QTest::addColumn<int>("kept");
    QTest::addColumn<int>("oldest");
    QTest::newRow("few, the stored first") << 3 << 2 << 5 << 1000;
    QTest::newRow("the session past the bound") << 0 << 230 << 200 << 30;
    QTest::newRow("the stored past the bound") << 250 << 0 << 200 << 1050;
    QTest::newRow("the session's kept over the stored") << 199 << 5 << 200 << 1004;
  }
  void theRecentAnswers() {
    QFETCH(int, stored);
    QFETCH(int, session);
    ruzdo::RecentAnswers recent;
    for (int i = 0; i < session; ++i) recent.add({i, -1, true});
    std::vector<ruzdo::PastAnswer> earlier;
    for (int i = 0; i < stored; ++i) earlier.push_back({1000 + i, 7, true});
    recent.addEarlier(earlier);
    QTEST(static_cast<int>(recent.all().size()), "kept");
    QTEST(recent.all().front().asked, "oldest");
    QCOMPARE(recent.all().back().asked, session > 0 ? session - 1 : 1000 + stored - 1);
    recent.clear();
    QVERIFY(recent.all().empty());
  }
};

QTEST_MAIN(TestDrillModel)
#include "test_drill_model.moc"
