// The history store: schema, round trips, filters, a folder it cannot write,
// and a writer killed with SIGKILL in the middle of its questions.
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "history/history_store.h"

using ruzdo::AnswerRecord;
using ruzdo::HistoryStore;

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

// Runs one query on the file through a connection of its own.
QVariant rawQuery(const QString& file, const QString& sql) {
  QVariant result;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
    db.setDatabaseName(file);
    if (db.open()) {
      QSqlQuery q(db);
      if (q.exec(sql) && q.next()) result = q.value(0);
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("raw"));
  return result;
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
    QCOMPARE(rawQuery(store.filePath(), QStringLiteral("PRAGMA user_version")).toInt(),
             HistoryStore::kSchemaVersion);
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
    QCOMPARE(store.summary(std::nullopt).size(), 3);  // 3, 30, 4-07
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
    QTemporaryDir dir;
    QString file;
    {
      HistoryStore store;
      QVERIFY(store.open(dir.path()));
      QVERIFY(store.record(answer("5", "6")));
      file = store.filePath();
    }
    rawQuery(file, QStringLiteral("PRAGMA user_version = 7"));
    HistoryStore store;
    QVERIFY(!store.open(dir.path()));
    QVERIFY(store.errorText().contains(QStringLiteral("newer")));
    QVERIFY(!store.record(answer("5", "5")));
    QCOMPARE(rawQuery(file, QStringLiteral("PRAGMA user_version")).toInt(), 7);
    QCOMPARE(rawQuery(file, QStringLiteral("SELECT COUNT(*) FROM answers")).toInt(), 1);
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
  QCoreApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  TestHistory test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_history.moc"
