#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "core/weak_picker.h"

class QIODevice;
class QSqlError;

namespace ruzdo {

// One answered question, with what it was heard with.
struct AnswerRecord {
  QDateTime askedAt;       // when the question was said
  QDateTime runStartedAt;  // when the run's first question was said
  int mode = 0;            // a DrillMode: 0 numbers, 1 digit sequences, 2 … the lessons
  int rangeMin = 0;
  int rangeMax = 0;
  int counter = 0;                // ordinal of the counter word; 0 = none
  QString pattern;                // the template of the sequences mode; empty for numbers
  QString question;               // the number or sequence said
  std::optional<QString> answer;  // the plate clicked; none when unanswered
  bool wrong = false;
  int speechSpeed = 0;
  std::optional<int> answerMs;    // from the question to the click
  std::string voice;              // the voice as the engine names it; "" = the standard one
  int variant = 0;                // the reading variant said
  QString sentence;               // the written carrier sentence; empty when said alone
  QString condition;              // listening condition key; empty = quiet
  std::optional<double> noiseDb;  // speech-to-noise ratio; none without noise
  QString appVersion;             // the program's version that recorded it
  // The candidates the plates showed, as captioned (a lesson's, the
  // sequences'); none for the numbers mode, whose plates are its range.
  QStringList plates;
};

// The settings a history view is limited to; none = all history.
struct HistoryFilter {
  int mode = 0;
  int rangeMin = 0;
  int rangeMax = 0;
  int counter = 0;
  QString pattern;

  // The settings of a drill as its answers are kept: a lesson draws its own
  // items, so the range, the counter word and the template are none of its
  // (0, 0, none, empty), and its answers read as its items, 4:15 not 4:15時.
  static HistoryFilter ofDrill(int mode, int rangeMin, int rangeMax, int counter,
                               const QString& pattern);
};

// What a view of the history covers: the settings of one drill or all of
// them, and within that one mode and one counter word, or all.
struct HistoryQuery {
  std::optional<HistoryFilter> settings;
  std::optional<int> mode;
  std::optional<int> counter;
  HistoryQuery() = default;
  HistoryQuery(std::nullopt_t) {}
  HistoryQuery(const HistoryFilter& f) : settings(f) {}
  HistoryQuery(const std::optional<HistoryFilter>& f) : settings(f) {}
};

// The answers of one day or one run.
struct ProgressPoint {
  QDateTime start;  // the day's midnight (local time) or the run's first question
  int asked = 0;
  int wrong = 0;
};

// An answer given instead of the right one, and how often.
struct Confusion {
  std::optional<QString> answer;  // none: no answer before the next question
  int count = 0;
};

// Per question value (of one mode and counter word): how often it was asked
// and missed, and the answers given instead, most frequent first.
struct ValueSummary {
  QString value;
  int asked = 0;
  int wrong = 0;
  QList<Confusion> confusions;
  int mode = 0;
  int counter = 0;
};

// Why the history cannot be written (or read) now.
enum class HistoryFault {
  None,
  Busy,        // another program holds the file locked
  DiskFull,    // no space left for the file
  Damaged,     // the file is not a sound database
  Newer,       // written by a newer version of the program: left as it is
  Unwritable,  // the folder or the file cannot be written
};

// The answered questions of all runs, in an SQLite file through Qt SQL. Every
// question is written in a transaction of its own, in WAL mode with full
// syncing, so a crash or a kill loses at most the question being written and
// never damages what is there. The schema carries its version in
// PRAGMA user_version, read before anything is written: a file of a newer
// version is left byte for byte as it was. An older schema is upgraded in one
// transaction after a copy of the file is kept beside it. One store is used
// from one thread only.
class HistoryStore {
 public:
  static constexpr int kSchemaVersion = 3;
  // Between the plates' captions in the stored and exported plates: no
  // caption holds it.
  static constexpr char kPlatesSeparator = '|';
  static constexpr const char* kFileName = "history.sqlite3";

  HistoryStore();
  ~HistoryStore();
  HistoryStore(const HistoryStore&) = delete;
  HistoryStore& operator=(const HistoryStore&) = delete;

  // Opens (creating or upgrading where needed) the history in folder. False
  // with fault() and errorText() when it cannot be used.
  bool open(const QString& folder);
  bool isOpen() const { return open_; }
  void close();
  QString filePath() const { return path_; }
  QString errorText() const { return error_; }
  HistoryFault fault() const { return fault_; }
  // Where an upgrade keeps the file as it was before (schema `from`).
  static QString backupPath(const QString& file, int from);

  // Appends one question; false with fault() and errorText() when it could
  // not be written (the store then stays usable for reading).
  bool record(const AnswerRecord& r);
  // Checks the open file (bounded in time); false with fault() Damaged when
  // it is damaged.
  bool verify() { return open_ && quickCheck(); }

  // Summaries per question value, ordered by mode, counter and value
  // (numbers numerically).
  QList<ValueSummary> summary(const HistoryQuery& query) const;
  // Questions and errors per day (local time) and per run, oldest first.
  // Answers of the first schema carry no run and count only by day.
  QList<ProgressPoint> progressByDay(const HistoryQuery& query) const;
  QList<ProgressPoint> progressByRun(const HistoryQuery& query) const;

  // Writes every answer as CSV (UTF-8, a header row, RFC 4180 quoting) to a
  // temporary file renamed to file when whole: a failure leaves no file.
  bool exportCsv(const QString& file);
  // The same to an open device (standard output); false when a write failed.
  // The mode is written by name (numbers, sequences) and the counter word as
  // written (時; empty for none), with their stored ids in mode_id and
  // counter_id.
  bool exportCsv(QIODevice& out);

  // The latest answers of the numbers mode within min ... max, oldest first:
  // {asked, clicked (-1 = none), wrong}.
  struct Recent {
    int asked;
    int clicked;
    bool wrong;
  };
  QList<Recent> recentNumbers(int min, int max, int limit) const;
  // The latest answers of every lesson, at most limit of each, oldest first.
  struct RecentLesson {
    int mode;
    PastLessonAnswer answer;
  };
  QList<RecentLesson> recentLessons(int limit) const;

  int count() const;
  bool clear();

 private:
  bool exec(const QString& sql);
  QList<ProgressPoint> progress(const HistoryQuery& query, const QString& groupBy,
                                const QString& extra) const;
  bool fail(HistoryFault fault, const QString& why);
  bool failWith(const QSqlError& e);
  bool checkHeader();
  bool readVersion(int* version);
  bool quickCheck();
  bool migrate(int version);
  bool createSchema();
  bool upgradeFrom(int version);
  bool keepBackup(int from);

  QString connection_;
  QString path_;
  QString error_;
  HistoryFault fault_ = HistoryFault::None;
  bool open_ = false;
};

}  // namespace ruzdo
