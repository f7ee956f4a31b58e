#pragma once

#include <QObject>

#include "history/history_worker.h"

class QThread;

namespace ruzdo {

// The history as the windows use it, from the GUI thread: every call returns
// at once; the store is written on a thread of its own (HistoryWorker) and
// read for the window on another, through a connection of its own, so a
// long read never holds up an answer; results come back as signals on the
// GUI thread. Views are coalesced: while one is being read, further
// requests make one more read after it.
class HistoryService : public QObject {
  Q_OBJECT
 public:
  HistoryService(const QString& folder, QObject* parent);
  ~HistoryService() override;  // writes what waits, if it can, then ends

  void record(const AnswerRecord& r);
  void requestView(const HistoryQuery& query);
  void clear();
  void exportCsv(const QString& file);

  const HistoryState& state() const { return state_; }
  QString filePath() const { return state_.file; }

 signals:
  void stateChanged(const ruzdo::HistoryState& state);
  // What the file holds for the weighting of weak values: the numbers' and
  // the lessons' latest answers.
  void opened(const QList<ruzdo::HistoryStore::Recent>& numbers,
              const QList<ruzdo::HistoryStore::RecentLesson>& lessons);
  void viewReady(const ruzdo::HistoryView& view);
  void cleared(bool ok, const QString& why);
  void exported(bool ok, const QString& why);

 private:
  // Runs f on the worker's thread.
  template <typename F>
  void onWorker(F f);
  template <typename F>
  void onReader(F f);
  // Runs f on the GUI thread (dropped when the service is gone).
  template <typename F>
  void onGui(F f);
  void readView();

  QThread* thread_ = nullptr;
  HistoryWorker* worker_ = nullptr;
  QThread* readThread_ = nullptr;
  HistoryWorker* reader_ = nullptr;
  HistoryState state_;
  bool viewBusy_ = false;
  std::optional<HistoryQuery> nextView_;
};

}  // namespace ruzdo
