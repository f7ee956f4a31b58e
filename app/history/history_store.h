#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace ruzdo {

// One answered question.
struct AnswerRecord {
  QDateTime askedAt;  // when the question was said
  int mode = 0;       // 0 = numbers, 1 = digit sequences
  int rangeMin = 0;
  int rangeMax = 0;
  int counter = 0;                // ordinal of the counter word; 0 = none
  QString pattern;                // the template of the sequences mode; empty for numbers
  QString question;               // the number or sequence said
  std::optional<QString> answer;  // the plate clicked; none when unanswered
  bool wrong = false;
  int speechSpeed = 0;
  std::optional<int> answerMs;  // from the question to the click
};

// The settings a history view is limited to; none = all history.
struct HistoryFilter {
  int mode = 0;
  int rangeMin = 0;
  int rangeMax = 0;
  int counter = 0;
  QString pattern;
};

// An answer given instead of the right one, and how often.
struct Confusion {
  std::optional<QString> answer;  // none: no answer before the next question
  int count = 0;
};

// Per question value: how often it was asked and missed, and the answers
// given instead, most frequent first.
struct ValueSummary {
  QString value;
  int asked = 0;
  int wrong = 0;
  QList<Confusion> confusions;
};

// The answered questions of all runs, in an SQLite file through Qt SQL. Every
// question is written in a transaction of its own, in WAL mode with full
// syncing, so a crash or a kill loses at most the question being written and
// never damages what is there. The schema carries its version in
// PRAGMA user_version; a file of a newer version is left untouched.
class HistoryStore {
 public:
  static constexpr int kSchemaVersion = 1;
  static constexpr const char* kFileName = "history.sqlite3";

  HistoryStore();
  ~HistoryStore();
  HistoryStore(const HistoryStore&) = delete;
  HistoryStore& operator=(const HistoryStore&) = delete;

  // Opens (creating where needed) the history in folder. False with
  // errorText() when the folder or the file cannot be written.
  bool open(const QString& folder);
  bool isOpen() const { return open_; }
  QString filePath() const { return path_; }
  QString errorText() const { return error_; }

  // Appends one question; false with errorText() when it could not be
  // written (the store then stays usable for reading).
  bool record(const AnswerRecord& r);

  // Summaries per question value, ordered by value (numbers numerically).
  QList<ValueSummary> summary(const std::optional<HistoryFilter>& filter) const;

  // The latest answers of the numbers mode within min ... max, oldest first:
  // {asked, clicked (-1 = none), wrong}.
  struct Recent {
    int asked;
    int clicked;
    bool wrong;
  };
  QList<Recent> recentNumbers(int min, int max, int limit) const;

  int count() const;
  bool clear();

 private:
  bool exec(const QString& sql);
  bool migrate();
  void close();

  QString connection_;
  QString path_;
  QString error_;
  bool open_ = false;
};

}  // namespace ruzdo
