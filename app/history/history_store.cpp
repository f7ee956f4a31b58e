#include "history_store.h"

#include <sqlite3.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/csv.h"
#include "core/drill_mode.h"
#include "core/lessons/lesson_item.h"
#include "core/tani.h"

namespace ruzdo {
namespace {

// Less free space than this on the history's volume counts as a full disk.
constexpr qint64 kFullBelowBytes = 64 * 1024;

// The longest the check of a file at opening may take, in ms.
constexpr qint64 kQuickCheckMs = 1500;

// What schema 2 adds to the answers of schema 1: what each was heard with.
constexpr const char* kSchema2Columns =
    ", voice TEXT NOT NULL DEFAULT ''"
    ", variant INTEGER NOT NULL DEFAULT 0"
    ", sentence TEXT NOT NULL DEFAULT ''"
    ", condition TEXT NOT NULL DEFAULT ''"
    ", noise_db REAL"
    ", app_version TEXT NOT NULL DEFAULT ''"
    ", run_started TEXT NOT NULL DEFAULT ''";

// What schema 3 adds: the candidates the plates showed.
constexpr const char* kSchema3Columns = ", plates TEXT NOT NULL DEFAULT ''";

// The columns each schema from the second on adds to the one before it.
constexpr const char* kAddedColumns[] = {kSchema2Columns, kSchema3Columns};
static_assert(std::size(kAddedColumns) == HistoryStore::kSchemaVersion - 1);

// The summary per value reads this index alone, in its order, with no sort.
constexpr const char* kValuesIndex =
    "CREATE INDEX IF NOT EXISTS answers_by_value ON answers (mode, counter, question, answer, "
    "wrong)";

// SQLite's primary result code of a failed statement (Qt reports the
// extended one).
int primaryCode(const QSqlError& e) { return e.nativeErrorCode().toInt() & 0xff; }

HistoryFault faultOf(const QSqlError& e) {
  switch (primaryCode(e)) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return HistoryFault::Busy;
    case SQLITE_FULL:
      return HistoryFault::DiskFull;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return HistoryFault::Damaged;
    default:
      return HistoryFault::Unwritable;
  }
}

QSqlDatabase database(const QString& connection) {
  return QSqlDatabase::database(connection, false);
}

QString describe(const QSqlError& e) {
  return e.databaseText().isEmpty() ? e.text() : e.databaseText();
}

// The WHERE clause of a query, with its values bound in order.
QString whereClause(const HistoryQuery& query, const QString& extra) {
  QStringList parts;
  if (query.settings)
    parts << QStringLiteral(
        "mode = ? AND range_min = ? AND range_max = ? AND counter = ? AND template = ?");
  if (query.mode) parts << QStringLiteral("mode = ?");
  if (query.counter) parts << QStringLiteral("counter = ?");
  if (!extra.isEmpty()) parts << extra;
  return parts.isEmpty() ? QString()
                         : QStringLiteral(" WHERE ") + parts.join(QStringLiteral(" AND "));
}

QString notNull(const QString& s) { return s.isNull() ? QString(QStringLiteral("")) : s; }

QString isoTime(const QDateTime& t) {
  return t.isValid() ? t.toUTC().toString(Qt::ISODateWithMs) : QString(QStringLiteral(""));
}

void bindQuery(QSqlQuery& q, const HistoryQuery& query) {
  if (const auto& f = query.settings) {
    q.addBindValue(f->mode);
    q.addBindValue(f->rangeMin);
    q.addBindValue(f->rangeMax);
    q.addBindValue(f->counter);
    q.addBindValue(notNull(f->pattern));
  }
  if (query.mode) q.addBindValue(*query.mode);
  if (query.counter) q.addBindValue(*query.counter);
}

// A stored value as the export writes it.
using ExportText = std::string (*)(const QVariant& stored);

std::string asStored(const QVariant& v) {
  return v.isNull() ? std::string() : v.toString().toStdString();
}

// The modes by the names a table reader can keep (numbers, sequences, the
// lessons: times, dates …); an unknown id as stored.
std::string modeName(const QVariant& v) {
  const std::string_view name = ruzdo::DrillModeName(v.toInt());
  return name.empty() ? asStored(v) : std::string(name);
}

// The counter word as written (時, か月); none for no counter word.
std::string counterWord(const QVariant& v) {
  const int counter = v.toInt();
  if (counter <= 0 || counter >= kTaniCount) return counter == 0 ? std::string() : asStored(v);
  return std::string(TaniWritten(static_cast<TTani>(counter)));
}

// The columns of the export, in the order of its header, and the stored
// column each comes from. Columns added later come last (the ids of the mode
// and the counter word, the plates), so that those before keep their places.
struct ExportColumn {
  const char* header;
  const char* stored;
  ExportText text;
};
constexpr ExportColumn kExportColumns[] = {
    {"asked_at", "asked_at", asStored},   {"run_started", "run_started", asStored},
    {"mode", "mode", modeName},           {"range_min", "range_min", asStored},
    {"range_max", "range_max", asStored}, {"counter", "counter", counterWord},
    {"template", "template", asStored},   {"question", "question", asStored},
    {"answer", "answer", asStored},       {"wrong", "wrong", asStored},
    {"answer_ms", "answer_ms", asStored}, {"speech_speed", "speech_speed", asStored},
    {"voice", "voice", asStored},         {"variant", "variant", asStored},
    {"sentence", "sentence", asStored},   {"condition", "condition", asStored},
    {"noise_db", "noise_db", asStored},   {"app_version", "app_version", asStored},
    {"mode_id", "mode", asStored},        {"counter_id", "counter", asStored},
    {"plates", "plates", asStored},
};

}  // namespace

HistoryFilter HistoryFilter::ofDrill(int mode, int rangeMin, int rangeMax, int counter,
                                     const QString& pattern) {
  if (mode >= static_cast<int>(kFirstLesson) && mode <= static_cast<int>(kLastLesson))
    return {mode, 0, 0, 0, QString()};
  return {mode, rangeMin, rangeMax, counter, pattern};
}

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

bool HistoryStore::fail(HistoryFault fault, const QString& why) {
  // A write refused for want of space does not always say so (an I/O error
  // on the log): the free space tells.
  if (fault == HistoryFault::Unwritable && !path_.isEmpty()) {
    const QStorageInfo volume(QFileInfo(path_).absolutePath());
    if (volume.isValid() && volume.bytesAvailable() < kFullBelowBytes)
      fault = HistoryFault::DiskFull;
  }
  fault_ = fault;
  error_ = why;
  return false;
}

bool HistoryStore::failWith(const QSqlError& e) { return fail(faultOf(e), describe(e)); }

bool HistoryStore::exec(const QString& sql) {
  QSqlQuery q(database(connection_));
  if (q.exec(sql)) return true;
  return failWith(q.lastError());
}

QString HistoryStore::backupPath(const QString& file, int from) {
  QString base = file;
  if (base.endsWith(QStringLiteral(".sqlite3"))) base.chop(8);
  return base + QStringLiteral(".schema%1.sqlite3").arg(from);
}

bool HistoryStore::open(const QString& folder) {
  close();
  error_.clear();
  fault_ = HistoryFault::None;
  path_ = QDir(folder).filePath(QString::fromLatin1(kFileName));
  if (!QDir().mkpath(folder))
    return fail(HistoryFault::Unwritable, QStringLiteral("cannot create the folder"));
  if (!checkHeader()) return false;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    // A lock held by another program is waited for briefly here; whoever
    // writes retries later rather than waiting long on one attempt.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=250"));
    if (!db.open()) {
      failWith(db.lastError());
      close();
      return false;
    }
  }
  // Nothing is written before the version is known: a newer file is left as
  // it is, even its journal mode.
  int version = 0;
  bool ok = readVersion(&version);
  if (ok && version > kSchemaVersion)
    ok =
        fail(HistoryFault::Newer,
             QStringLiteral("the history was written by a newer version (schema %1)").arg(version));
  if (ok && version > 0) ok = quickCheck();
  // WAL: a question's transaction is one append to the log, and a reader
  // (the history window) never blocks the writer. FULL syncs the log at every
  // commit, so an answered question survives even a power cut; at one
  // question a second at most that costs nothing noticeable.
  // BEGIN IMMEDIATE takes the write lock at once: a folder or file that
  // cannot be written shows here, not in the middle of a run.
  ok = ok && exec(QStringLiteral("PRAGMA journal_mode = WAL")) &&
       exec(QStringLiteral("PRAGMA synchronous = FULL")) && migrate(version) &&
       exec(QString::fromLatin1(kValuesIndex)) && exec(QStringLiteral("BEGIN IMMEDIATE")) &&
       exec(QStringLiteral("COMMIT"));
  if (!ok) {
    close();
    return false;
  }
  open_ = true;
  return true;
}

bool HistoryStore::checkHeader() {
  // A file that does not begin as an SQLite database is damaged (or not a
  // history at all); SQLite would call it "not a database" only later.
  QFile file(path_);
  if (!file.exists() || file.size() == 0) return true;
  if (!file.open(QIODevice::ReadOnly))
    return fail(HistoryFault::Unwritable, QStringLiteral("cannot read the file"));
  static constexpr char kMagic[] = "SQLite format 3";  // with its terminating zero: 16 bytes
  const QByteArray head = file.read(100);
  if (head.size() < 100 || !head.startsWith(QByteArray(kMagic, sizeof kMagic)))
    return fail(HistoryFault::Damaged, QStringLiteral("the file is not an SQLite database"));
  return true;
}

bool HistoryStore::readVersion(int* version) {
  QSqlQuery q(database(connection_));
  if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) return failWith(q.lastError());
  *version = q.value(0).toInt();
  return true;
}

bool HistoryStore::quickCheck() {
  // Bounded in time: a check cut short by its deadline counts as passed, as
  // the history must not keep a start waiting.
  QSqlDatabase db = database(connection_);
  sqlite3* handle = nullptr;
  const QVariant v = db.driver()->handle();
  if (v.isValid() && qstrcmp(v.typeName(), "sqlite3*") == 0)
    handle = *static_cast<sqlite3* const*>(v.constData());
  QElapsedTimer clock;
  clock.start();
  if (handle)
    sqlite3_progress_handler(
        handle, 1000,
        [](void* timer) {
          return static_cast<QElapsedTimer*>(timer)->elapsed() > kQuickCheckMs ? 1 : 0;
        },
        &clock);
  QSqlQuery q(db);
  const bool ran = q.exec(QStringLiteral("PRAGMA quick_check(1)"));
  const QSqlError error = q.lastError();
  const QString result = ran && q.next() ? q.value(0).toString() : QString();
  q.finish();
  if (handle) sqlite3_progress_handler(handle, 0, nullptr, nullptr);
  if (ran && result == QStringLiteral("ok")) return true;
  if (!ran && primaryCode(error) == SQLITE_INTERRUPT) return true;
  if (!ran && faultOf(error) != HistoryFault::Damaged) return failWith(error);
  return fail(HistoryFault::Damaged, ran ? result : describe(error));
}

bool HistoryStore::migrate(int version) {
  if (version == kSchemaVersion) return true;
  // Under the write lock the version is read again: another program on the
  // same file may have upgraded it meanwhile.
  if (!exec(QStringLiteral("BEGIN IMMEDIATE"))) return false;
  int now = version;
  bool ok = readVersion(&now);
  if (ok && now > kSchemaVersion)
    ok = fail(HistoryFault::Newer,
              QStringLiteral("the history was written by a newer version (schema %1)").arg(now));
  if (ok && now == 0) ok = createSchema();
  if (ok && now > 0 && now < kSchemaVersion) {
    // The copy is made outside the transaction (VACUUM cannot run in one),
    // then the lock is taken again and the version checked once more.
    const int from = now;
    ok = exec(QStringLiteral("COMMIT")) && keepBackup(from) &&
         exec(QStringLiteral("BEGIN IMMEDIATE")) && readVersion(&now);
    if (ok && now > kSchemaVersion)
      ok = fail(HistoryFault::Newer, QStringLiteral("upgraded meanwhile by a newer version"));
    if (ok && now > 0 && now < kSchemaVersion) ok = upgradeFrom(now);
  }
  ok = ok && exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)) &&
       exec(QStringLiteral("COMMIT"));
  if (!ok) {
    const QString why = error_;
    const HistoryFault fault = fault_;
    QSqlQuery(database(connection_)).exec(QStringLiteral("ROLLBACK"));
    fail(fault, why);
  }
  return ok;
}

bool HistoryStore::createSchema() {
  return exec(QStringLiteral("CREATE TABLE answers ("
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
                             " answer_ms INTEGER") +
              QString::fromLatin1(kSchema2Columns) + QString::fromLatin1(kSchema3Columns) +
              QStringLiteral(")")) &&
         exec(QStringLiteral("CREATE INDEX answers_by_settings"
                             " ON answers (mode, range_min, range_max, counter, template)"));
}

bool HistoryStore::upgradeFrom(int version) {
  // Schema by schema, each column added with its default: the existing rows
  // keep their values and read the defaults in the new columns.
  for (int v = version + 1; v <= kSchemaVersion; ++v)
    for (const QString& column :
         QString::fromLatin1(kAddedColumns[v - 2]).split(QLatin1Char(','), Qt::SkipEmptyParts))
      if (!exec(QStringLiteral("ALTER TABLE answers ADD COLUMN") + column)) return false;
  return true;
}

bool HistoryStore::keepBackup(int from) {
  // A consistent copy (with what the log holds), written under a temporary
  // name and renamed, so a copy that is there is whole.
  const QString backup = backupPath(path_, from);
  const QString partial = backup + QStringLiteral(".part");
  QFile::remove(partial);
  QSqlQuery q(database(connection_));
  QString quoted = partial;
  quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
  if (!q.exec(QStringLiteral("VACUUM INTO '%1'").arg(quoted))) {
    failWith(q.lastError());
    QFile::remove(partial);
    return false;
  }
  if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(backup).constData()) !=
      0) {
    QFile::remove(partial);
    return fail(HistoryFault::Unwritable, QStringLiteral("cannot keep a copy of the old history"));
  }
  return true;
}

bool HistoryStore::record(const AnswerRecord& r) {
  if (!open_) return false;
  QSqlDatabase db = database(connection_);
  if (!db.transaction()) return failWith(db.lastError());
  QSqlQuery q(db);
  q.prepare(QStringLiteral(
      "INSERT INTO answers (asked_at, mode, range_min, range_max, counter, template, question,"
      " answer, wrong, speech_speed, answer_ms, voice, variant, sentence, condition, noise_db,"
      " app_version, run_started, plates)"
      " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
  q.addBindValue(isoTime(r.askedAt));
  q.addBindValue(r.mode);
  q.addBindValue(r.rangeMin);
  q.addBindValue(r.rangeMax);
  q.addBindValue(r.counter);
  q.addBindValue(notNull(r.pattern));
  q.addBindValue(notNull(r.question));
  q.addBindValue(r.answer ? QVariant(notNull(*r.answer))
                          : QVariant(QMetaType::fromType<QString>()));
  q.addBindValue(r.wrong ? 1 : 0);
  q.addBindValue(r.speechSpeed);
  q.addBindValue(r.answerMs ? QVariant(*r.answerMs) : QVariant(QMetaType::fromType<int>()));
  q.addBindValue(QString::fromStdString(r.voice));
  q.addBindValue(r.variant);
  q.addBindValue(notNull(r.sentence));
  q.addBindValue(notNull(r.condition));
  q.addBindValue(r.noiseDb ? QVariant(*r.noiseDb) : QVariant(QMetaType::fromType<double>()));
  q.addBindValue(notNull(r.appVersion));
  q.addBindValue(isoTime(r.runStartedAt));
  q.addBindValue(notNull(r.plates.join(QLatin1Char(kPlatesSeparator))));
  if (!q.exec()) {
    failWith(q.lastError());
    db.rollback();
    return false;
  }
  if (!db.commit()) {
    failWith(db.lastError());
    db.rollback();
    return false;
  }
  return true;
}

QList<ValueSummary> HistoryStore::summary(const HistoryQuery& filter) const {
  QList<ValueSummary> result;
  if (!open_) return result;
  // One value said with different counter words or in the other mode is a
  // different question: 1本, 1分 and a plain 1 each have their row. One pass
  // over the answers index: each question's answers counted, right and wrong.
  QSqlQuery q(database(connection_));
  q.setForwardOnly(true);
  q.prepare(QStringLiteral("SELECT mode, counter, question, answer, wrong, COUNT(*) FROM answers") +
            whereClause(filter, QString()) +
            QStringLiteral(" GROUP BY mode, counter, question, answer, wrong"));
  bindQuery(q, filter);
  if (!q.exec()) return result;
  // The rows come grouped by value (the index's order): a value's rows
  // follow one another.
  while (q.next()) {
    const int mode = q.value(0).toInt();
    const int counter = q.value(1).toInt();
    const QString value = q.value(2).toString();
    if (result.isEmpty() || result.last().mode != mode || result.last().counter != counter ||
        result.last().value != value) {
      ValueSummary v;
      v.mode = mode;
      v.counter = counter;
      v.value = value;
      result.append(v);
    }
    ValueSummary& v = result.last();
    const int n = q.value(5).toInt();
    v.asked += n;
    if (q.value(4).toInt() == 0) continue;
    v.wrong += n;
    Confusion c;
    if (!q.value(3).isNull()) c.answer = q.value(3).toString();
    c.count = n;
    v.confusions.append(c);
  }
  for (ValueSummary& v : result)
    std::stable_sort(v.confusions.begin(), v.confusions.end(),
                     [](const Confusion& a, const Confusion& b) { return a.count > b.count; });
  // Numbers in numeric order (each converted once), a lesson's items in
  // their lesson's order (午前1:30 before 2:30), sequences as text.
  struct Order {
    int mode;
    int counter;
    bool number;
    qlonglong n;
    std::optional<std::vector<long long>> item;
    qsizetype at;
  };
  std::vector<Order> order;
  order.reserve(static_cast<std::size_t>(result.size()));
  for (qsizetype i = 0; i < result.size(); ++i) {
    const ValueSummary& v = result[i];
    bool number = false;
    const qlonglong n = v.value.toLongLong(&number);
    std::optional<std::vector<long long>> item;
    if (const auto mode = static_cast<DrillMode>(v.mode); IsLesson(mode))
      if (const auto shown = LessonItemOfCaption(mode, v.value.toStdString()))
        item = LessonOrderKey(*shown);
    order.push_back({v.mode, v.counter, number, n, std::move(item), i});
  }
  std::sort(order.begin(), order.end(), [&](const Order& a, const Order& b) {
    if (a.mode != b.mode) return a.mode < b.mode;
    if (a.counter != b.counter) return a.counter < b.counter;
    if (a.item.has_value() != b.item.has_value()) return a.item.has_value();
    if (a.item && *a.item != *b.item) return *a.item < *b.item;
    if (a.number != b.number) return a.number;
    if (a.number) return a.n < b.n;
    return result[a.at].value < result[b.at].value;
  });
  QList<ValueSummary> sorted;
  sorted.reserve(result.size());
  for (const Order& o : order) sorted.append(std::move(result[o.at]));
  return sorted;
}

QList<ProgressPoint> HistoryStore::progress(const HistoryQuery& query, const QString& groupBy,
                                            const QString& extra) const {
  QList<ProgressPoint> result;
  if (!open_) return result;
  QSqlQuery q(database(connection_));
  q.setForwardOnly(true);
  q.prepare(QStringLiteral("SELECT ") + groupBy +
            QStringLiteral(" AS g, COUNT(*), SUM(wrong) FROM answers") + whereClause(query, extra) +
            QStringLiteral(" GROUP BY g ORDER BY g"));
  bindQuery(q, query);
  if (!q.exec()) return result;
  while (q.next()) {
    ProgressPoint p;
    const QString start = q.value(0).toString();
    p.start = start.size() == 10 ? QDate::fromString(start, Qt::ISODate).startOfDay()
                                 : QDateTime::fromString(start, Qt::ISODateWithMs);
    p.asked = q.value(1).toInt();
    p.wrong = q.value(2).toInt();
    result.append(p);
  }
  return result;
}

QList<ProgressPoint> HistoryStore::progressByDay(const HistoryQuery& query) const {
  return progress(query, QStringLiteral("date(asked_at, 'localtime')"), QString());
}

QList<ProgressPoint> HistoryStore::progressByRun(const HistoryQuery& query) const {
  return progress(query, QStringLiteral("run_started"), QStringLiteral("run_started <> ''"));
}

bool HistoryStore::exportCsv(const QString& file) {
  if (!open_) return fail(HistoryFault::Unwritable, QStringLiteral("the history is not open"));
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return fail(HistoryFault::Unwritable, out.errorString());
  if (!exportCsv(out)) return false;
  if (!out.commit()) return fail(HistoryFault::Unwritable, out.errorString());
  return true;
}

bool HistoryStore::exportCsv(QIODevice& out) {
  if (!open_) return fail(HistoryFault::Unwritable, QStringLiteral("the history is not open"));
  QStringList columns;
  for (const ExportColumn& c : kExportColumns) columns << QString::fromLatin1(c.stored);
  QSqlQuery q(database(connection_));
  q.setForwardOnly(true);
  if (!q.exec(QStringLiteral("SELECT ") + columns.join(QLatin1Char(',')) +
              QStringLiteral(" FROM answers ORDER BY id")))
    return failWith(q.lastError());
  std::vector<std::string> fields;
  for (const ExportColumn& c : kExportColumns) fields.emplace_back(c.header);
  std::string text = CsvRecord(fields);
  const auto write = [&out, &text] {
    const bool whole = out.write(text.data(), static_cast<qint64>(text.size())) ==
                       static_cast<qint64>(text.size());
    text.clear();
    return whole;
  };
  while (q.next()) {
    for (std::size_t i = 0; i < fields.size(); ++i)
      fields[i] = kExportColumns[i].text(q.value(static_cast<int>(i)));
    text += CsvRecord(fields);
    if (text.size() > (1 << 16) && !write())
      return fail(HistoryFault::Unwritable, out.errorString());
  }
  if (!write()) return fail(HistoryFault::Unwritable, out.errorString());
  return true;
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

QList<HistoryStore::RecentLesson> HistoryStore::recentLessons(int limit) const {
  QList<RecentLesson> result;
  if (!open_) return result;
  QSqlQuery q(database(connection_));
  q.setForwardOnly(true);
  q.prepare(
      QStringLiteral("SELECT mode, question, answer, wrong FROM answers WHERE mode = ?"
                     " ORDER BY id DESC LIMIT ?"));
  for (int mode = static_cast<int>(kFirstLesson); mode <= static_cast<int>(kLastLesson); ++mode) {
    q.addBindValue(mode);
    q.addBindValue(limit);
    if (!q.exec()) continue;
    QList<RecentLesson> latest;
    while (q.next())
      latest.prepend({mode,
                      {q.value(1).toString().toStdString(), q.value(2).toString().toStdString(),
                       q.value(3).toInt() != 0}});
    result += latest;
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
  if (!open_) return fail(HistoryFault::Unwritable, QStringLiteral("the history is not open"));
  return exec(QStringLiteral("DELETE FROM answers"));
}

}  // namespace ruzdo
