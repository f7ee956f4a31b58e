#pragma once

#include <QWidget>
#include <functional>

#include "history/history_store.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// "История ответов": per question value how often it was missed and what was
// clicked instead, for the current settings or all history, with a way to
// clear it. A window of its own, so the drill goes on while it is open.
class HistoryWindow : public QWidget {
  Q_OBJECT
 public:
  // currentSettings gives the filter of "Текущие настройки".
  HistoryWindow(QWidget* parent, std::function<ruzdo::HistoryFilter()> currentSettings);

  // The history shown; null or closed = unavailable. Not owned.
  void setStore(ruzdo::HistoryStore* store);
  void refresh();
  // Asks for confirmation, then deletes every answer.
  void clearHistory();

  QComboBox* scope = nullptr;  // 0 = current settings, 1 = all history
  QTableWidget* table = nullptr;
  QLabel* totals = nullptr;
  QPushButton* clearButton = nullptr;

 private:
  ruzdo::HistoryStore* store_ = nullptr;
  std::function<ruzdo::HistoryFilter()> currentSettings_;
};
