#pragma once

#include <QObject>
#include <deque>
#include <functional>

#include "history/history_store.h"

class QTimer;

namespace ruzdo {

// What the history is doing now, as its notice says it.
struct HistoryState {
  HistoryFault fault = HistoryFault::None;
  QString detail;       // the store's own words on the fault
  QString file;         // the history's file
  int waiting = 0;      // answers kept in memory until they can be written
  QString damagedCopy;  // where a damaged file was set aside this session
};

// One view of the history window: per value, per day and per run.
struct HistoryView {
  bool available = false;
  int total = 0;  // answers in the whole history, whatever the query
  QList<ValueSummary> values;
  QList<ProgressPoint> days;
  QList<ProgressPoint> runs;
};

// The history store on a thread of its own (made and deleted there; with no
// parent, as a parent would live on another thread). Answers wait in a queue
// until they are written: a lock held by another program, a full disk or a
// folder that cannot be written delays them, retried after pauses growing
// to kMaxRetryMs, and loses none while the program runs. A file found
// damaged, at opening or by a write, is set aside untouched under a new name
// and a new history begun.
class HistoryWorker : public QObject {
  Q_OBJECT
 public:
  static constexpr int kFirstRetryMs = 100;
  static constexpr int kMaxRetryMs = 2000;

  struct Reports {
    std::function<void(const HistoryState&)> state;
    std::function<void(const QList<HistoryStore::Recent>&,
                       const QList<HistoryStore::RecentLesson>&)>
        opened;
  };
  // A reader only reads views, through a connection of its own: it never
  // sets a file aside and never retries (the writer does both).
  HistoryWorker(const QString& folder, Reports reports, bool reader = false);

  void start();
  QString filePath() const { return state_.file; }
  void add(const AnswerRecord& r);
  HistoryView view(const HistoryQuery& query);
  // Lets go of the file (a reader, after the writer set a damaged one aside).
  void release() { store_.close(); }
  // Deletes every answer, also those still waiting; false with why.
  bool clear(QString* why);
  bool exportCsv(const QString& file, QString* why);
  // One last try at what waits, before the thread ends.
  void finish();

 private:
  void flush();
  bool ensureOpen();
  void setAside();
  void retryLater();
  void report();

  HistoryStore store_;
  QString folder_;
  Reports reports_;
  std::deque<AnswerRecord> waiting_;
  QTimer* retry_ = nullptr;
  int retryMs_ = kFirstRetryMs;
  bool reader_ = false;
  bool newer_ = false;
  bool announced_ = false;
  HistoryState state_;
  HistoryState reported_;
  bool everReported_ = false;
};

}  // namespace ruzdo
