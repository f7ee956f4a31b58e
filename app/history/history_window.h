#pragma once

#include <QWidget>
#include <functional>

#include "history/history_worker.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTabWidget;
class ProgressChart;
class ProgressModel;
class ValueSummaryModel;

namespace ruzdo {
class HistoryService;
}

// "История ответов": per question value how often it was missed and what was
// clicked instead, and the error rate per day or per run as a chart with its
// table, for the current settings or all history, limited to a mode and a
// counter word or not; with export and a way to clear it. A window of its
// own, so the drill goes on while it is open. The history is read on its own
// thread: the window shows what it has and fills in when the reading is done.
class HistoryWindow : public QWidget {
  Q_OBJECT
 public:
  // currentSettings gives the filter of "Текущие настройки".
  HistoryWindow(QWidget* parent, std::function<ruzdo::HistoryFilter()> currentSettings);

  // The history shown; null = unavailable. Not owned.
  void setHistory(ruzdo::HistoryService* history);
  // Asks for the history to be read again (it comes back with viewReady).
  void refresh();
  // Asks for confirmation, then deletes every answer; says so when that fails.
  void clearHistory();
  // Asks for a file, then writes every answer into it as CSV.
  void exportHistory();
  ruzdo::HistoryQuery query() const;
  // Shows every answer: all history, every mode and counter word.
  void showAllHistory();

  QComboBox* scope = nullptr;          // 0 = current settings, 1 = all history
  QComboBox* modeFilter = nullptr;     // 0 = all, else the mode's ordinal + 1
  QComboBox* counterFilter = nullptr;  // 0 = all, then none, then each counter word
  QComboBox* progressBy = nullptr;     // 0 = per day, 1 = per run
  QTabWidget* tabs = nullptr;
  QTableView* table = nullptr;
  QTableView* progressTable = nullptr;
  ValueSummaryModel* values = nullptr;
  ProgressModel* progress = nullptr;
  ProgressChart* chart = nullptr;
  QLabel* totals = nullptr;
  QPushButton* showAllButton = nullptr;  // shown when nothing matches but the history has answers
  QPushButton* exportButton = nullptr;
  QPushButton* clearButton = nullptr;

 signals:
  // A view was shown (for tests and for what waits on the figures).
  void shown();

 private:
  void showView(const ruzdo::HistoryView& view);
  void showProgress();
  bool filtersAreAll() const;

  ruzdo::HistoryService* history_ = nullptr;
  std::function<ruzdo::HistoryFilter()> currentSettings_;
  ruzdo::HistoryView view_;
};
