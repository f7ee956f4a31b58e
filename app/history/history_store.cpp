#include "history_store.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>

namespace ruzdo {
namespace {

QSqlDatabase database(const QString& connection) {
  return QSqlDatabase::database(connection, false);
}

QString describe(const QSqlError& e) {
  return e.databaseText().isEmpty() ? e.text() : e.databaseText();
}

// Numbers order as numbers, sequences as text.
bool valueLess(const QString& a, const QString& b) {
  bool aNumber = false;
  bool bNumber = false;
  const qlonglong x = a.toLongLong(&aNumber);
  const qlonglong y = b.toLongLong(&bNumber);
  if (aNumber && bNumber) return x < y;
  if (aNumber != bNumber) return aNumber;
  return a < b;
}

// The WHERE clause of a filter, with its values bound in order.
QString whereClause(const std::optional<HistoryFilter>& f, const QString& extra) {
  QStringList parts;
  if (f)
    parts << QStringLiteral(
        "mode = ? AND range_min = ? AND range_max = ? AND counter = ? AND template = ?");
  if (!extra.isEmpty()) parts << extra;
  return parts.isEmpty() ? QString()
                         : QStringLiteral(" WHERE ") + parts.join(QStringLiteral(" AND "));
}

void bindFilter(QSqlQuery& q, const std::optional<HistoryFilter>& f) {
  if (!f) return;
  q.addBindValue(f->mode);
  q.addBindValue(f->rangeMin);
  q.addBindValue(f->rangeMax);
  q.addBindValue(f->counter);
  q.addBindValue(f->pattern.isNull() ? QString(QStringLiteral("")) : f->pattern);
}

}  // namespace

HistoryStore::HistoryStore() {
  static std::atomic<int> next{0};
  connection_ = QStringLiteral("ruzdo-history-%1").arg(next++);
}

HistoryStore::~HistoryStore() { close(); }

void HistoryStore::close() {
  if (QSqlDatabase::contains(connection_)) {
    database(connection_).close();
    QSqlDatabase::removeDatabase(connection_);
  }
  open_ = false;
}

bool HistoryStore::exec(const QString& sql) {
  QSqlQuery q(database(connection_));
  if (q.exec(sql)) return true;
  error_ = describe(q.lastError());
  return false;
}

bool HistoryStore::open(const QString& folder) {
  close();
  error_.clear();
  path_ = QDir(folder).filePath(QString::fromLatin1(kFileName));
  if (!QDir().mkpath(folder)) {
    error_ = QStringLiteral("cannot create the folder");
    return false;
  }
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
      error_ = describe(db.lastError());
      close();
      return false;
    }
  }
  // WAL: a question's transaction is one append to the log, and a reader
  // (the history window) never blocks the writer. FULL syncs the log at every
  // commit, so an answered question survives even a power cut; at one
  // question a second at most that costs nothing noticeable.
  // BEGIN IMMEDIATE takes the write lock at once: a folder or file that
  // cannot be written shows here, not in the middle of a run.
  const bool ok = exec(QStringLiteral("PRAGMA journal_mode = WAL")) &&
                  exec(QStringLiteral("PRAGMA synchronous = FULL")) && migrate() &&
                  exec(QStringLiteral("BEGIN IMMEDIATE")) && exec(QStringLiteral("COMMIT"));
  if (!ok) {
    close();
    return false;
  }
  open_ = true;
  return true;
}

bool HistoryStore::migrate() {
  QSqlQuery q(database(connection_));
  if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
    error_ = describe(q.lastError());
    return false;
  }
  const int version = q.value(0).toInt();
  q.finish();
  if (version == kSchemaVersion) return true;
  if (version > kSchemaVersion) {
    error_ = QStringLiteral("the history was written by a newer version (schema %1)").arg(version);
    return false;
  }
  // Version 0: a new file. Later versions add their steps here.
  const bool ok =
      exec(QStringLiteral("BEGIN IMMEDIATE")) &&
      exec(QStringLiteral("CREATE TABLE answers ("
                          " id INTEGER PRIMARY KEY,"
                          " asked_at TEXT NOT NULL,"
                          " mode INTEGER NOT NULL,"
                          " range_min INTEGER NOT NULL,"
                          " range_max INTEGER NOT NULL,"
                          " counter INTEGER NOT NULL,"
                          " template TEXT NOT NULL,"
                          " question TEXT NOT NULL,"
                          " answer TEXT,"
                          " wrong INTEGER NOT NULL CHECK (wrong IN (0, 1)),"
                          " speech_speed INTEGER NOT NULL,"
                          " answer_ms INTEGER)")) &&
      exec(QStringLiteral("CREATE INDEX answers_by_settings"
                          " ON answers (mode, range_min, range_max, counter, template)")) &&
      exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)) &&
      exec(QStringLiteral("COMMIT"));
  if (!ok) {
    const QString why = error_;
    exec(QStringLiteral("ROLLBACK"));
    error_ = why;
  }
  return ok;
}

bool HistoryStore::record(const AnswerRecord& r) {
  if (!open_) return false;
  QSqlDatabase db = database(connection_);
  if (!db.transaction()) {
    error_ = describe(db.lastError());
    return false;
  }
  QSqlQuery q(db);
  q.prepare(QStringLiteral(
      "INSERT INTO answers (asked_at, mode, range_min, range_max, counter, template, question,"
      " answer, wrong, speech_speed, answer_ms) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
  q.addBindValue(r.askedAt.toUTC().toString(Qt::ISODateWithMs));
  q.addBindValue(r.mode);
  q.addBindValue(r.rangeMin);
  q.addBindValue(r.rangeMax);
  q.addBindValue(r.counter);
  q.addBindValue(r.pattern.isNull() ? QString(QStringLiteral("")) : r.pattern);
  q.addBindValue(r.question.isNull() ? QString(QStringLiteral("")) : r.question);
  q.addBindValue(r.answer ? QVariant(r.answer->isNull() ? QStringLiteral("") : *r.answer)
                          : QVariant(QMetaType::fromType<QString>()));
  q.addBindValue(r.wrong ? 1 : 0);
  q.addBindValue(r.speechSpeed);
  q.addBindValue(r.answerMs ? QVariant(*r.answerMs) : QVariant(QMetaType::fromType<int>()));
  if (!q.exec()) {
    error_ = describe(q.lastError());
    db.rollback();
    return false;
  }
  if (!db.commit()) {
    error_ = describe(db.lastError());
    db.rollback();
    return false;
  }
  return true;
}

QList<ValueSummary> HistoryStore::summary(const std::optional<HistoryFilter>& filter) const {
  QList<ValueSummary> result;
  if (!open_) return result;
  QSqlDatabase db = database(connection_);
  QSqlQuery totals(db);
  totals.prepare(QStringLiteral("SELECT question, COUNT(*), SUM(wrong) FROM answers") +
                 whereClause(filter, QString()) + QStringLiteral(" GROUP BY question"));
  bindFilter(totals, filter);
  if (!totals.exec()) return result;
  while (totals.next())
    result.append(
        {totals.value(0).toString(), totals.value(1).toInt(), totals.value(2).toInt(), {}});
  std::sort(result.begin(), result.end(), [](const ValueSummary& a, const ValueSummary& b) {
    return valueLess(a.value, b.value);
  });

  QSqlQuery wrongs(db);
  wrongs.prepare(QStringLiteral("SELECT question, answer, COUNT(*) AS n FROM answers") +
                 whereClause(filter, QStringLiteral("wrong = 1")) +
                 QStringLiteral(" GROUP BY question, answer ORDER BY n DESC, answer"));
  bindFilter(wrongs, filter);
  if (!wrongs.exec()) return result;
  while (wrongs.next()) {
    const QString question = wrongs.value(0).toString();
    auto it = std::find_if(result.begin(), result.end(),
                           [&](const ValueSummary& s) { return s.value == question; });
    if (it == result.end()) continue;
    Confusion c;
    if (!wrongs.value(1).isNull()) c.answer = wrongs.value(1).toString();
    c.count = wrongs.value(2).toInt();
    it->confusions.append(c);
  }
  return result;
}

QList<HistoryStore::Recent> HistoryStore::recentNumbers(int min, int max, int limit) const {
  QList<Recent> result;
  if (!open_) return result;
  QSqlQuery q(database(connection_));
  q.prepare(
      QStringLiteral("SELECT question, answer, wrong FROM answers WHERE mode = 0"
                     " AND CAST(question AS INTEGER) BETWEEN ? AND ? ORDER BY id DESC LIMIT ?"));
  q.addBindValue(min);
  q.addBindValue(max);
  q.addBindValue(limit);
  if (!q.exec()) return result;
  while (q.next()) {
    bool clickedIsNumber = false;
    const int clicked = q.value(1).toString().toInt(&clickedIsNumber);
    result.prepend({q.value(0).toInt(), q.value(1).isNull() || !clickedIsNumber ? -1 : clicked,
                    q.value(2).toInt() != 0});
  }
  return result;
}

int HistoryStore::count() const {
  if (!open_) return 0;
  QSqlQuery q(database(connection_));
  if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM answers")) || !q.next()) return 0;
  return q.value(0).toInt();
}

bool HistoryStore::clear() {
  if (!open_) return false;
  return exec(QStringLiteral("DELETE FROM answers"));
}

}  // namespace ruzdo
