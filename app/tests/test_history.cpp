// The history store: schema, round trips, filters, a folder it cannot write,
// the upgrade of a file of the first schema, a newer file left alone, and a
// writer or an upgrade killed with SIGKILL in the middle of its work.
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/drill_mode.h"
#include "core/tani.h"
#include "drill_fixture.h"
#include "history/history_service.h"
#include "history/history_store.h"
#include "history/history_window.h"
#include "history/progress_chart.h"
#include "raw_query.h"

using ruzdo::AnswerRecord;
using ruzdo::HistoryStore;
using namespace Qt::StringLiterals;

namespace {

AnswerRecord answer(const QString& question, std::optional<QString> clicked, int min = 0,
                    int max = 99) {
  AnswerRecord r;
  r.askedAt = QDateTime::currentDateTimeUtc();
  r.rangeMin = min;
  r.rangeMax = max;
  r.question = question;
  r.answer = clicked;
  r.wrong = clicked != std::optional<QString>(question);
  r.speechSpeed = 90;
  if (clicked) r.answerMs = 800;
  return r;
}

// Every row in the given columns, as one text.
QString storedRows(const QString& file, const QStringList& columns) {
  QStringList fields{QStringLiteral("id")};
  for (const QString& c : columns) fields << QStringLiteral("ifnull(%1, '-')").arg(c);
  return rawQuery(file, QStringLiteral("SELECT group_concat(%1, char(10)) FROM"
                                       " (SELECT * FROM answers ORDER BY id)")
                            .arg(fields.join(QStringLiteral(" || '|' || "))))
      .toString();
}

// The columns of the first schema, and those the second added.
const QStringList kSchema1Columns{
    QStringLiteral("asked_at"),     QStringLiteral("mode"),     QStringLiteral("range_min"),
    QStringLiteral("range_max"),    QStringLiteral("counter"),  QStringLiteral("template"),
    QStringLiteral("question"),     QStringLiteral("answer"),   QStringLiteral("wrong"),
    QStringLiteral("speech_speed"), QStringLiteral("answer_ms")};
const QStringList kSchema2Columns =
    kSchema1Columns + QStringList{QStringLiteral("voice"),      QStringLiteral("variant"),
                                  QStringLiteral("sentence"),   QStringLiteral("condition"),
                                  QStringLiteral("noise_db"),   QStringLiteral("app_version"),
                                  QStringLiteral("run_started")};

QString schema1Rows(const QString& file) { return storedRows(file, kSchema1Columns); }

QByteArray fileHash(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A history of the first schema as the program of that schema wrote it.
QString schema1Fixture() { return QStringLiteral(RUZDO_TEST_DATA "/history_schema1.sqlite3"); }
// One of the second schema: the first's upgraded, with rows of numbers,
// sequences and lessons written in its own columns.
QString schema2Fixture() { return QStringLiteral(RUZDO_TEST_DATA "/history_schema2.sqlite3"); }

// Overwrites part of the file with bytes that belong to no page.
void damage(const QString& file, qint64 at, qint64 length) {
  QFile f(file);
  QVERIFY(f.open(QIODevice::ReadWrite));
  QVERIFY(f.seek(at));
  QByteArray junk(length, '\0');
  for (char& c : junk) c = static_cast<char>(QRandomGenerator::global()->bounded(256));
  f.write(junk);
}

QString readAll(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The child of the kill test: writes questions until it is killed.
int runWriter(const QString& folder) {
  HistoryStore store;
  if (!store.open(folder)) return 2;
  for (int i = 0;; ++i) {
    const int asked = i % 10;
    store.record(answer(QString::number(asked),
                        i % 3 ? QString::number(asked) : QString::number((asked + 1) % 10)));
  }
}

}  // namespace

class TestHistory : public QObject {
  Q_OBJECT
 private slots:
  void aNewFileGetsTheVersionedSchema() {
    QTemporaryDir dir;
    HistoryStore store;
    QVERIFY2(store.open(dir.path() + QStringLiteral("/sub/folder")), qPrintable(store.errorText()));
    QVERIFY(QFile::exists(store.filePath()));
    QCOMPARE(userVersion(store.filePath()), HistoryStore::kSchemaVersion);
    QCOMPARE(rawQuery(store.filePath(), QStringLiteral("PRAGMA journal_mode")).toString(),
             QStringLiteral("wal"));
  }

  void answersComeBackPerValueWithTheirConfusions() {
    QTemporaryDir dir;
    HistoryStore store;
    QVERIFY(store.open(dir.path()));
    for (const AnswerRecord& r :
         {answer("15", "50"), answer("7", "7"), answer("15", "50"), answer("7", "1"),
          answer("15", std::nullopt), answer("15", "15"), answer("100", "100")})
      QVERIFY2(store.record(r), qPrintable(store.errorText()));
    const auto values = store.summary(std::nullopt);
    QCOMPARE(values.size(), 3);
    // Numbers in numeric order.
    QCOMPARE(values[0].value, QStringLiteral("7"));
    QCOMPARE(values[1].value, QStringLiteral("15"));
    QCOMPARE(values[2].value, QStringLiteral("100"));
    QCOMPARE(values[1].asked, 4);
    QCOMPARE(values[1].wrong, 3);
    // The most frequent confusion first; "no answer" is its own entry.
    QCOMPARE(values[1].confusions.size(), 2);
    QCOMPARE(values[1].confusions[0].answer, std::optional<QString>("50"));
    QCOMPARE(values[1].confusions[0].count, 2);
    QVERIFY(!values[1].confusions[1].answer);
    QCOMPARE(values[0].confusions.size(), 1);
    QCOMPARE(values[0].confusions[0].answer, std::optional<QString>("1"));
    QVERIFY(values[2].confusions.isEmpty());
  }

  void lessonValuesComeInTheirLessonsOrder_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("expected");  // recorded in reverse
    const auto row = [](const char* name, ruzdo::DrillMode mode, QStringList expected) {
      QTest::newRow(name) << static_cast<int>(mode) << expected;
    };
    row("times by the time of day", ruzdo::DrillMode::kTimes,
        {u"午前1:30"_s, u"2:30"_s, u"10:05"_s, u"10:15"_s, u"15:30"_s, u"午後3:30"_s});
    row("dates by the calendar", ruzdo::DrillMode::kDates,
        {u"1月20日"_s, u"3月4日"_s, u"3月14日"_s, u"2026年3月14日(土)"_s, u"12月1日"_s});
    row("prices by size", ruzdo::DrillMode::kPrices, {u"98円"_s, u"580円"_s, u"1,980円"_s});
    row("big numbers by size", ruzdo::DrillMode::kBigNumbers,
        {u"35万"_s, u"100万"_s, u"1億2000万"_s});
    row("announcements by platform", ruzdo::DrillMode::kAnnouncements,
        {u"3 · 9:40"_s, u"3 · 10:15"_s, u"12 · 8:05"_s});
  }
  void lessonValuesComeInTheirLessonsOrder() {
    QFETCH(int, mode);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    HistoryStore store;
    QVERIFY(store.open(dir.path()));
    for (auto it = expected.crbegin(); it != expected.crend(); ++it) {
      AnswerRecord r = answer(*it, *it);
      r.mode = mode;
      QVERIFY(store.record(r));
    }
    QStringList values;
    for (const auto& v : store.summary(std::nullopt)) values << v.value;
    QCOMPARE(values, expected);
  }

  void aFilterKeepsToItsSettings() {
    QTemporaryDir dir;
    HistoryStore store;
    QVERIFY(store.open(dir.path()));
    AnswerRecord withCounter = answer("3", "8", 0, 9);
    withCounter.counter = 23;
    QVERIFY(store.record(withCounter));
    QVERIFY(store.record(answer("3", "3", 0, 9)));
    QVERIFY(store.record(answer("30", "30", 20, 40)));
    AnswerRecord sequence = answer("4-07", "4-01", 0, 9);
    sequence.mode = 1;
    sequence.pattern = QStringLiteral("_-__");
    QVERIFY(store.record(sequence));

    ruzdo::HistoryFilter plain{0, 0, 9, 0, QString()};
    auto values = store.summary(plain);
    QCOMPARE(values.size(), 1);
    QCOMPARE(values[0].value, QStringLiteral("3"));
    QCOMPARE(values[0].wrong, 0);
    ruzdo::HistoryFilter sequences{1, 0, 9, 0, QStringLiteral("_-__")};
    values = store.summary(sequences);
    QCOMPARE(values.size(), 1);
    QCOMPARE(values[0].confusions[0].answer, std::optional<QString>("4-01"));
    // All history keeps counters and modes apart: 3, 30, 3 with counter 23, 4-07.
    const auto all = store.summary(std::nullopt);
    QCOMPARE(all.size(), 4);
    QCOMPARE(all[2].counter, 23);
    QCOMPARE(all[2].value, QStringLiteral("3"));
  }

  void recentNumbersAreOldestFirstWithinTheRange() {
    QTemporaryDir dir;
    HistoryStore store;
    QVERIFY(store.open(dir.path()));
    for (const AnswerRecord& r :
         {answer("1", "2"), answer("50", "50"), answer("3", std::nullopt), answer("4", "4")})
      QVERIFY(store.record(r));
    const auto recent = store.recentNumbers(0, 9, 2);
    QCOMPARE(recent.size(), 2);
    QCOMPARE(recent[0].asked, 3);
    QCOMPARE(recent[0].clicked, -1);
    QVERIFY(recent[0].wrong);
    QCOMPARE(recent[1].asked, 4);
    QVERIFY(!recent[1].wrong);
  }

  void reopeningKeepsEverythingAndClearEmpties() {
    QTemporaryDir dir;
    {
      HistoryStore store;
      QVERIFY(store.open(dir.path()));
      QVERIFY(store.record(answer("5", "6")));
    }
    HistoryStore store;
    QVERIFY(store.open(dir.path()));
    QCOMPARE(store.count(), 1);
    QVERIFY(store.clear());
    QCOMPARE(store.count(), 0);
  }

  void aNewerSchemaIsLeftAlone() {
    // A newer program's file in rollback-journal mode: not even its journal
    // mode may change, and clearing it from the writer's thread fails.
    QTemporaryDir dir;
    const QString file = dir.filePath(HistoryStore::kFileName);
    QVERIFY(QFile::copy(schema1Fixture(), file));
    rawQuery(file, QStringLiteral("PRAGMA journal_mode = DELETE"));
    rawQuery(file, QStringLiteral("PRAGMA user_version = 7"));
    const QByteArray before = fileHash(file);
    HistoryStore store;
    QVERIFY(!store.open(dir.path()));
    QCOMPARE(store.fault(), ruzdo::HistoryFault::Newer);
    QVERIFY(!store.record(answer("5", "5")));
    {
      ruzdo::HistoryService history(dir.path(), nullptr);
      QSignalSpy cleared(&history, &ruzdo::HistoryService::cleared);
      history.clear();
      QTRY_COMPARE(cleared.size(), 1);
      QCOMPARE(cleared[0][0].toBool(), false);
      QCOMPARE(history.state().fault, ruzdo::HistoryFault::Newer);
    }
    QCOMPARE(fileHash(file), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{HistoryStore::kFileName});
  }

  void anOlderSchemaFileIsUpgradedWithEveryRowKept_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("version");
    QTest::addColumn<QStringList>("columns");  // those of its schema
    QTest::addColumn<QString>("added");        // what the upgrade adds, at its defaults
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("values");  // rows of the summary per value
    QTest::newRow("first schema")
        << schema1Fixture() << 1 << kSchema1Columns
        << QStringLiteral(
               "voice = '' AND variant = 0 AND sentence = '' AND condition = '' AND"
               " noise_db IS NULL AND app_version = '' AND plates = ''")
        << 12 << 11;
    QTest::newRow("second schema")
        << schema2Fixture() << 2 << kSchema2Columns << QStringLiteral("plates = ''") << 16 << 14;
  }
  void anOlderSchemaFileIsUpgradedWithEveryRowKept() {
    QFETCH(QString, fixture);
    QFETCH(int, version);
    QFETCH(QStringList, columns);
    QFETCH(QString, added);
    QFETCH(int, rows);
    QFETCH(int, values);
    QTemporaryDir dir;
    const QString file = dir.filePath(HistoryStore::kFileName);
    QVERIFY(QFile::copy(fixture, file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(userVersion(file), version);
    const QString before = storedRows(file, columns);
    QCOMPARE(before.count(QLatin1Char('\n')) + 1, rows);
    HistoryStore store;
    QVERIFY2(store.open(dir.path()), qPrintable(store.errorText()));
    QCOMPARE(userVersion(file), HistoryStore::kSchemaVersion);
    QCOMPARE(storedRows(file, columns), before);
    QCOMPARE(rawQuery(file, QStringLiteral("SELECT COUNT(*) FROM answers WHERE ") + added).toInt(),
             rows);
    // The copy beside it is the file as it was.
    const QString backup = HistoryStore::backupPath(file, version);
    QCOMPARE(userVersion(backup), version);
    QCOMPARE(storedRows(backup, columns), before);
    QCOMPARE(store.summary(std::nullopt).size(), values);

    // The new columns round-trip.
    AnswerRecord heard = answer("8", "8");
    heard.voice = "fast";
    heard.variant = 2;
    heard.sentence = QStringLiteral("駅まで８分です。");
    heard.condition = QStringLiteral("street");
    heard.noiseDb = 6.5;
    heard.appVersion = QStringLiteral("1.0.0");
    heard.plates = QStringList{QStringLiteral("4:15"), QStringLiteral("7:15")};
    QVERIFY(store.record(heard));
    QCOMPARE(rawQuery(file, QStringLiteral("SELECT voice || variant || sentence || condition ||"
                                           " noise_db || app_version || plates FROM answers"
                                           " ORDER BY id DESC LIMIT 1"))
                 .toString(),
             QStringLiteral("fast2駅まで８分です。street6.51.0.04:15|7:15"));
  }

  void anUpgradeKilledAnywhereLeavesTheOldOrTheNewFileWhole() {
    // A bigger file of the first schema, so that a kill can land inside
    // the upgrade.
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.sqlite3"));
    QVERIFY(QFile::copy(schema1Fixture(), source));
    QFile::setPermissions(source, QFile::ReadOwner | QFile::WriteOwner);
    const QString columns = QStringLiteral(
        "asked_at, mode, range_min, range_max, counter, template,"
        " question, answer, wrong, speech_speed, answer_ms");
    for (int i = 0; i < 12; ++i)
      rawQuery(source,
               QStringLiteral("INSERT INTO answers (%1) SELECT %1 FROM answers").arg(columns));
    rawQuery(source, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    const QString rows = schema1Rows(source);
    QCOMPARE(rows.count(QLatin1Char('\n')) + 1, 12 << 12);

    qint64 wholeRunMs = 0;
    int upgraded = 0;
    for (int round = 0; round < 8; ++round) {
      const QString folder = dir.filePath(QStringLiteral("round%1").arg(round));
      QVERIFY(QDir().mkpath(folder));
      const QString file = QDir(folder).filePath(HistoryStore::kFileName);
      QVERIFY(QFile::copy(source, file));
      QProcess child;
      QElapsedTimer clock;
      clock.start();
      child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--open"), folder});
      QVERIFY(child.waitForStarted());
      if (round == 0) {
        // The first round runs to its end and times the whole upgrade.
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitCode(), 0);
        wholeRunMs = clock.elapsed();
      } else {
        QTest::qSleep(QRandomGenerator::global()->bounded(static_cast<int>(wholeRunMs) + 1));
        child.kill();
        QVERIFY(child.waitForFinished());
      }
      const int version = userVersion(file);
      QVERIFY2(version == 1 || version == HistoryStore::kSchemaVersion,
               qPrintable(QString::number(version)));
      upgraded += version == HistoryStore::kSchemaVersion;
      QCOMPARE(rawQuery(file, QStringLiteral("PRAGMA integrity_check")).toString(),
               QStringLiteral("ok"));
      QCOMPARE(schema1Rows(file), rows);
      // Whatever the kill left, the next start upgrades it.
      HistoryStore store;
      QVERIFY2(store.open(folder), qPrintable(store.errorText()));
      QCOMPARE(store.count(), 12 << 12);
    }
    qInfo("whole upgrade %lld ms; %d of 8 rounds had upgraded before the kill", wholeRunMs,
          upgraded);
  }

  void aFolderThatCannotBeWrittenIsReported() {
    QTemporaryDir dir;
    // A file where the folder should be: no one can create the folder.
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    QFile f(blocked);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    HistoryStore store;
    QVERIFY(!store.open(blocked + QStringLiteral("/Ruzdo")));
    QVERIFY(!store.isOpen());
    QVERIFY(!store.errorText().isEmpty());
    QVERIFY(!store.record(answer("1", "1")));
    QVERIFY(store.summary(std::nullopt).isEmpty());

    // Root writes into read-only folders, so only others can see this one.
    if (::geteuid() != 0) {
      const QString readOnly = dir.filePath(QStringLiteral("read-only"));
      QVERIFY(QDir().mkpath(readOnly));
      QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
      QVERIFY(!store.open(readOnly));
      QVERIFY(!store.errorText().isEmpty());
    }
  }

  // --- the writer on its thread ---
  void aLockDelaysAnswersButLosesNone() {
    QTemporaryDir dir;
    ruzdo::HistoryService history(dir.path(), nullptr);
    QTRY_VERIFY(QFile::exists(history.filePath()));
    QTRY_COMPARE(userVersion(history.filePath()), HistoryStore::kSchemaVersion);
    // Another program takes the write lock in the middle of a drill.
    {
      QSqlDatabase lock =
          QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lock"));
      lock.setDatabaseName(history.filePath());
      QVERIFY(lock.open());
      QSqlQuery(lock).exec(QStringLiteral("BEGIN EXCLUSIVE"));
      for (int i = 0; i < 5; ++i) history.record(answer(QString::number(i), "0"));
      QTRY_COMPARE(history.state().fault, ruzdo::HistoryFault::Busy);
      QTRY_COMPARE(history.state().waiting, 5);
      QSqlQuery(lock).exec(QStringLiteral("ROLLBACK"));
      lock.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("lock"));
    QTRY_COMPARE_WITH_TIMEOUT(history.state().waiting, 0, 5000);
    QCOMPARE(history.state().fault, ruzdo::HistoryFault::None);
    QCOMPARE(answerRows(history.filePath()), 5);
  }

  void damageIsSetAsideUntouchedAndANewHistoryBegun_data() {
    QTest::addColumn<bool>("randomBytes");
    QTest::newRow("a damaged table page") << false;
    QTest::newRow("a file of random bytes") << true;
  }
  void damageIsSetAsideUntouchedAndANewHistoryBegun() {
    QFETCH(bool, randomBytes);
    QTemporaryDir dir;
    const QString file = dir.filePath(HistoryStore::kFileName);
    if (randomBytes) {
      damage(file, 0, 20000);
    } else {
      HistoryStore store;
      QVERIFY(store.open(dir.path()));
      for (int i = 0; i < 2000; ++i) QVERIFY(store.record(answer(QString::number(i % 90), "1")));
      store.close();
      rawQuery(file, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
      damage(file, 4096 * 6 + 100, 3000);  // inside one of the table's pages
    }
    const QByteArray damaged = fileHash(file);
    HistoryStore direct;
    QVERIFY(!direct.open(dir.path()));
    QCOMPARE(direct.fault(), ruzdo::HistoryFault::Damaged);  // not "cannot write the folder"

    ruzdo::HistoryService history(dir.path(), nullptr);
    QTRY_VERIFY(!history.state().damagedCopy.isEmpty());
    QCOMPARE(history.state().fault, ruzdo::HistoryFault::None);
    QCOMPARE(fileHash(history.state().damagedCopy), damaged);
    history.record(answer("1", "1"));
    QTRY_COMPARE(answerRows(file), 1);
  }

  void exportWritesRfc4180Csv() {
    QTemporaryDir dir;
    HistoryStore store;
    QVERIFY(store.open(dir.path()));
    AnswerRecord r = answer("8", std::nullopt);
    r.askedAt = QDateTime(QDate(2026, 12, 9), QTime(10, 0), Qt::UTC);
    r.sentence = QStringLiteral("Он сказал: \"8\", потом\nещё");
    r.noiseDb = 3;
    QVERIFY(store.record(r));
    // The counter word as written and the mode by name, their ids after.
    AnswerRecord hours = answer("4-07", "4-07");
    hours.askedAt = r.askedAt.addSecs(2);
    hours.mode = 1;
    hours.counter = tanZi;
    QVERIFY(store.record(hours));
    // A lesson by its name too.
    AnswerRecord times = answer("4:15", "7:15");
    times.askedAt = r.askedAt.addSecs(4);
    times.mode = static_cast<int>(ruzdo::DrillMode::kTimes);
    times.plates =
        QStringList{QStringLiteral("4:15"), QStringLiteral("7:15"), QStringLiteral("1,980円")};
    QVERIFY(store.record(times));
    const QString csv = dir.filePath(QStringLiteral("out.csv"));
    QVERIFY2(store.exportCsv(csv), qPrintable(store.errorText()));
    QCOMPARE(readAll(csv),
             QStringLiteral("asked_at,run_started,mode,range_min,range_max,counter,template,"
                            "question,answer,wrong,answer_ms,speech_speed,voice,variant,sentence,"
                            "condition,noise_db,app_version,mode_id,counter_id,plates\r\n"
                            "2026-12-09T10:00:00.000Z,,numbers,0,99,,,8,,1,,90,,0,"
                            "\"Он сказал: \"\"8\"\", потом\nещё\",,3,,0,0,\r\n"
                            "2026-12-09T10:00:02.000Z,,sequences,0,99,時,,4-07,4-07,0,800,90,,0,"
                            ",,,,1,4,\r\n"
                            "2026-12-09T10:00:04.000Z,,times,0,99,,,4:15,7:15,1,800,90,,0,"
                            ",,,,2,0,\"4:15|7:15|1,980円\"\r\n"));
    // A file that cannot be written leaves nothing behind.
    const QString nowhere = dir.filePath(QStringLiteral("missing/out.csv"));
    QVERIFY(!store.exportCsv(nowhere));
    QVERIFY(!QFile::exists(nowhere));
  }

  // --- the window ---
  void theWindowSaysWhatTheHistoryHoldsAndNamesItsPickers() {
    QTemporaryDir dir;
    ruzdo::HistoryService history(dir.path(), nullptr);
    for (int i = 0; i < 3; ++i) history.record(answer("5", "5", 0, 9));
    QTRY_COMPARE(answerRows(history.filePath()), 3);
    // Today's settings are another range: nothing under them.
    HistoryWindow w(nullptr, [] { return ruzdo::HistoryFilter{0, 20, 40, 0, QString()}; });
    w.setHistory(&history);
    QTRY_COMPARE(w.totals->text(),
                 QStringLiteral("Для текущих настроек ответов нет; всего в истории: 3."));
    QVERIFY(w.showAllButton->isVisibleTo(&w));
    // A screen reader hears each picker's label, then its value.
    const auto name = [](QWidget* picker) {
      return QAccessible::queryAccessibleInterface(picker)->text(QAccessible::Name);
    };
    QCOMPARE(name(w.scope), QStringLiteral("Показать: Текущие настройки"));
    w.modeFilter->setCurrentIndex(1);
    w.counterFilter->setCurrentIndex(1 + tanZi);
    QCOMPARE(name(w.modeFilter), QStringLiteral("Режим: Числа"));
    QCOMPARE(name(w.counterFilter), QStringLiteral("Счётное слово: 時"));
    QCOMPARE(w.modeFilter->count(), 9);  // every lesson may be looked at alone
    QCOMPARE(w.modeFilter->itemText(1 + int(ruzdo::DrillMode::kAnnouncements)),
             QStringLiteral("Объявления"));
    QTRY_COMPARE(w.totals->text(),
                 QStringLiteral("Для выбранных условий ответов нет; всего в истории: 3."));
    // The button shows every answer, and goes.
    w.showAllButton->click();
    QTRY_COMPARE(w.totals->text(), QStringLiteral("Ответов: 3, ошибок: 0 (0 %)."));
    QVERIFY(!w.showAllButton->isVisibleTo(&w));
    QCOMPARE(name(w.counterFilter), QStringLiteral("Счётное слово: Все"));
  }

  void theChartPutsEachPointAboveItsLabel_data() {
    QTest::addColumn<QList<int>>("days");  // days after the first; empty: runs
    QTest::addColumn<int>("runs");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("one day") << QList<int>{0} << 0 << QStringList{"30.11"};
    QTest::newRow("days with a gap, over a month's end")
        << QList<int>{0, 1, 4} << 0 << QStringList{"30.11", "01.12", "02.12", "03.12", "04.12"};
    QTest::newRow("a month: every fourth day")
        << QList<int>{0, 28} << 0
        << QStringList{"30.11", "04.12", "08.12", "12.12", "16.12", "20.12", "24.12", "28.12"};
    QTest::newRow("runs") << QList<int>{} << 3 << QStringList{"1", "2", "3"};
    QTest::newRow("nothing") << QList<int>{} << 0 << QStringList{};
  }
  void theChartPutsEachPointAboveItsLabel() {
    QFETCH(QList<int>, days);
    QFETCH(int, runs);
    QFETCH(QStringList, labels);
    // The rates run from 100 % (drawn whole, not cut at the top) to 0 %.
    QList<ruzdo::ProgressPoint> points;
    const QDateTime first(QDate(2026, 11, 30), QTime(0, 0));
    for (int d : days) points.append({first.addDays(d), 4, 4 - int(points.size()) % 5});
    for (int r = 0; r < runs; ++r) points.append({first.addSecs(600 * r), 2, r == 0 ? 2 : 0});
    ProgressChart chart(nullptr);
    chart.resize(500, 300);
    chart.setPoints(points, runs > 0);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QChart* c = chart.chart();
    auto* along = qobject_cast<QCategoryAxis*>(c->axes(Qt::Horizontal).value(0));
    QVERIFY(along);
    QCOMPARE(along->labelsVisible() ? along->categoriesLabels() : QStringList(), labels);
    QCOMPARE(c->title().isEmpty(), !points.isEmpty());
    // Each labelled point is on its label's value, and drawn whole inside the plot.
    const QList<double> x = ProgressChart::positions(points, runs > 0);
    for (qsizetype i = 0; i < points.size(); ++i) {
      const QString label = runs > 0 ? QString::number(i + 1) : points[i].start.toString("dd.MM");
      if (labels.contains(label)) QCOMPARE(along->endValue(label), x[i]);
    }
    auto* dots = static_cast<QScatterSeries*>(c->series().value(1));
    const double r = dots->markerSize() / 2;
    const QRectF inside = c->plotArea().adjusted(r, r, -r, -r);
    for (const QPointF& p : dots->points())
      QVERIFY2(inside.contains(c->mapToPosition(p, dots)),
               qPrintable(QStringLiteral("%1, %2 %").arg(p.x()).arg(p.y())));
  }

  void theChartGrowsWithTheWindow() {
    HistoryWindow w(nullptr, {});
    w.tabs->setCurrentIndex(1);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QSize before = w.chart->size();
    const QSize window = w.size();
    w.resize(window + QSize(300, 300));
    // The width it all, the height its share with the table below it.
    QTRY_COMPARE(w.chart->width(), before.width() + 300);
    QVERIFY(w.chart->height() > before.height() + 150);
  }

  void aQuestionIsAskedWhenItsSoundStarts() {
    // Its sound still being made at its tick, the question counts as asked
    // (and its answer is timed) from when it is heard, not from the tick.
    QTemporaryDir dir;
    DrillFixture d;
    d.form.openHistory(dir.path());
    d.form.setSpeechOnWorker(true);
    d.engine.gated = true;  // nothing made ahead either
    d.setRange(tanNone, 7, 8);
    d.form.bStartClick();
    d.form.tMainTimer();
    QTRY_VERIFY(d.engine.waiting > 0);
    QTest::qWait(50);
    const QDateTime heard = QDateTime::currentDateTimeUtc();
    d.engine.open();
    QTRY_VERIFY(!d.output.played.isEmpty());
    d.clickPlate(0);
    const QString file = dir.filePath(HistoryStore::kFileName);
    QTRY_COMPARE(answerRows(file), 1);
    const auto at = [&file](const char* column) {
      return QDateTime::fromString(
          rawQuery(file, QStringLiteral("SELECT %1 FROM answers").arg(column)).toString(),
          Qt::ISODateWithMs);
    };
    QVERIFY(at("asked_at") >= heard);
    QCOMPARE(at("run_started"), at("asked_at"));
  }

  void aKilledWriterLeavesAnIntactHistory() {
    QTemporaryDir dir;
    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--writer"), dir.path()});
    QVERIFY(writer.waitForStarted());
    HistoryStore reader;
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(HistoryStore::kFileName)), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(reader.isOpen() || reader.open(dir.path()), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(reader.count() >= 30, 20000);
    writer.kill();  // SIGKILL, in the middle of whatever it was writing
    QVERIFY(writer.waitForFinished());
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

    HistoryStore store;
    QVERIFY2(store.open(dir.path()), qPrintable(store.errorText()));
    const int written = store.count();
    QVERIFY(written >= 30);
    QCOMPARE(rawQuery(store.filePath(), QStringLiteral("PRAGMA integrity_check")).toString(),
             QStringLiteral("ok"));
    // Every row is whole: the summaries add up to the rows.
    int asked = 0;
    for (const auto& v : store.summary(std::nullopt)) asked += v.asked;
    QCOMPARE(asked, written);
    QVERIFY(store.record(answer("1", "1")));
    QCOMPARE(store.count(), written + 1);
  }
};

int main(int argc, char** argv) {
  if (argc == 3 && qstrcmp(argv[1], "--writer") == 0) {
    QCoreApplication app(argc, argv);
    return runWriter(QString::fromLocal8Bit(argv[2]));
  }
  if (argc == 3 && qstrcmp(argv[1], "--open") == 0) {
    QCoreApplication app(argc, argv);
    HistoryStore store;
    return store.open(QString::fromLocal8Bit(argv[2])) ? 0 : 2;
  }
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  TestHistory test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_history.moc"
