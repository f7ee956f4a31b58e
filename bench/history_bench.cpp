// The history with the history window open while a drill answers: what each
// answer costs the GUI thread and how long the GUI thread stalls, for the
// history written and read on the GUI thread (as a store used directly) and
// on the history's own thread (HistoryService), with a history of many rows;
// optionally with another program (sqlite3) holding the file locked for a
// while in the middle, counting the answers that reached the file.
//   history_bench [--rows N] [--answers N] [--lock SECONDS]
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "history/history_service.h"
#include "history/history_store.h"
#include "history/history_window.h"
#include "history/value_summary_model.h"

namespace {

ruzdo::AnswerRecord answer(int i) {
  ruzdo::AnswerRecord r;
  r.askedAt = QDateTime::currentDateTimeUtc().addSecs(-i);
  r.runStartedAt = r.askedAt.addSecs(-(i % 100));
  r.rangeMin = 0;
  r.rangeMax = 99999;
  r.question = QString::number(i % 100000);
  r.answer = QString::number(i % 7 ? i % 100000 : (i + 1) % 100000);
  r.wrong = i % 7 == 0;
  r.speechSpeed = 90;
  r.answerMs = 900;
  return r;
}

// Fills the history with rows in one transaction, as years of drills would.
void fill(const QString& folder, int rows) {
  {
    ruzdo::HistoryStore store;
    store.open(folder);
  }
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
  db.setDatabaseName(folder + QStringLiteral("/history.sqlite3"));
  db.open();
  db.transaction();
  QSqlQuery q(db);
  q.prepare(QStringLiteral(
      "INSERT INTO answers (asked_at, run_started, mode, range_min, range_max, counter, template,"
      " question, answer, wrong, speech_speed, answer_ms) VALUES (?, ?, 0, 0, 99999, 0, '', ?, ?,"
      " ?, 90, 900)"));
  const QDateTime now = QDateTime::currentDateTimeUtc();
  for (int i = 0; i < rows; ++i) {
    const QDateTime at = now.addSecs(-60LL * (rows - i));
    q.addBindValue(at.toString(Qt::ISODateWithMs));
    q.addBindValue(at.addSecs(-(i % 100) * 60).toString(Qt::ISODateWithMs));
    q.addBindValue(QString::number(i % 100000));
    q.addBindValue(QString::number(i % 7 ? i % 100000 : (i + 1) % 100000));
    q.addBindValue(i % 7 == 0 ? 1 : 0);
    q.exec();
  }
  db.commit();
  db.close();
  db = QSqlDatabase();
  QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

double percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<std::size_t>(p * double(v.size())))];
}

// Watches the GUI thread: a 1 ms timer whose late ticks are stalls.
struct StallWatch {
  QTimer timer;
  QElapsedTimer clock;
  qint64 last = 0;
  std::vector<double> gaps;
  StallWatch() {
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [this] {
      const qint64 now = clock.nsecsElapsed();
      if (last) gaps.push_back(double(now - last) / 1e6 - 1.0);
      last = now;
    });
    clock.start();
    timer.start(1);
  }
};

struct Figures {
  std::vector<double> perAnswerMs;
  std::vector<double> stallMs;
  int stored = 0;
};

void report(const char* name, const Figures& f, int answers) {
  std::printf(
      "%-34s per answer (GUI thread): median %.2f ms, max %.2f ms; stall p99 %.1f ms, max %.1f "
      "ms; answers in the file %d of %d\n",
      name, percentile(f.perAnswerMs, 0.5), percentile(f.perAnswerMs, 1.0),
      percentile(f.stallMs, 0.99), percentile(f.stallMs, 1.0), f.stored, answers);
  std::fflush(stdout);
}

int rowsIn(const QString& folder) {
  ruzdo::HistoryStore store;
  return store.open(folder) ? store.count() : -1;
}

// A drill of answers 100 ms apart with the window open; lockAt: the answer
// at which sqlite3 takes the write lock for lockSeconds.
Figures drill(const QString& folder, bool onThread, int answers, int lockSeconds) {
  Figures f;
  const int before = rowsIn(folder);
  ruzdo::HistoryStore direct;
  ruzdo::HistoryService* service = nullptr;
  QObject owner;
  if (onThread)
    service = new ruzdo::HistoryService(folder, &owner);
  else
    direct.open(folder);
  HistoryWindow window(nullptr, [] { return ruzdo::HistoryFilter{0, 0, 99999, 0, QString()}; });
  window.scope->setCurrentIndex(1);
  if (service) window.setHistory(service);
  window.show();
  QProcess locker;
  StallWatch watch;
  QEventLoop loop;
  int i = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    if (i == answers / 4 && lockSeconds > 0)
      locker.start(
          QStringLiteral("sh"),
          {QStringLiteral("-c"),
           QStringLiteral("(echo '.timeout 3000'; echo 'BEGIN EXCLUSIVE;'; echo 'SELECT 42;';"
                          " sleep %1; echo 'COMMIT;') | sqlite3 '%2'")
               .arg(lockSeconds)
               .arg(folder + QStringLiteral("/history.sqlite3"))});
    QElapsedTimer t;
    t.start();
    const ruzdo::AnswerRecord r = answer(i);
    if (service) {
      service->record(r);
      window.refresh();
    } else if (direct.record(r) || direct.isOpen()) {
      // As the window did: the whole table read again on the GUI thread.
      window.values->setValues(direct.summary(window.query()));
    }
    f.perAnswerMs.push_back(double(t.nsecsElapsed()) / 1e6);
    if (++i == answers) loop.quit();
  });
  tick.start(100);
  loop.exec();
  tick.stop();
  // What is still being read or written ends before the figures are taken.
  QElapsedTimer settle;
  settle.start();
  while (service && (service->state().waiting > 0 || settle.elapsed() < 500) &&
         settle.elapsed() < 20000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  f.stallMs = watch.gaps;
  locker.waitForFinished(lockSeconds * 1000 + 5000);
  if (lockSeconds > 0)
    std::printf("  sqlite3: %s%s", locker.readAllStandardOutput().constData(),
                locker.readAllStandardError().constData());
  delete service;
  direct.close();
  f.stored = rowsIn(folder) - before;
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QCommandLineParser parser;
  const QCommandLineOption rowsOption(QStringLiteral("rows"), QStringLiteral("rows"),
                                      QStringLiteral("n"), QStringLiteral("300000"));
  const QCommandLineOption answersOption(QStringLiteral("answers"), QStringLiteral("answers"),
                                         QStringLiteral("n"), QStringLiteral("100"));
  const QCommandLineOption lockOption(QStringLiteral("lock"), QStringLiteral("lock seconds"),
                                      QStringLiteral("s"), QStringLiteral("0"));
  parser.addOptions({rowsOption, answersOption, lockOption});
  parser.process(app);
  const int rows = parser.value(rowsOption).toInt();
  const int answers = parser.value(answersOption).toInt();
  const int lock = parser.value(lockOption).toInt();

  QTemporaryDir dir;
  QElapsedTimer t;
  t.start();
  fill(dir.path(), rows);
  std::printf(
      "history of %d rows made in %.1f s; %d answers 100 ms apart, window open%s\n", rows,
      double(t.elapsed()) / 1000, answers,
      lock ? qPrintable(QStringLiteral(", sqlite3 locks the file for %1 s").arg(lock)) : "");
  {
    // What one view of the window costs the thread that reads it.
    ruzdo::HistoryStore store;
    store.open(dir.path());
    for (int round = 0; round < 2; ++round) {
      t.restart();
      const auto values = store.summary(std::nullopt);
      const qint64 valuesMs = t.elapsed();
      const auto days = store.progressByDay(std::nullopt);
      const auto runs = store.progressByRun(std::nullopt);
      std::printf(
          "one view of all history: %lld ms per value (%lld values), %lld ms in all"
          " (%lld days, %lld runs)\n",
          valuesMs, static_cast<long long>(values.size()), static_cast<long long>(t.elapsed()),
          static_cast<long long>(days.size()), static_cast<long long>(runs.size()));
    }
  }
  report("on the GUI thread (store direct)", drill(dir.path(), false, answers, lock), answers);
  report("on the history's thread (service)", drill(dir.path(), true, answers, lock), answers);
  return 0;
}
