#pragma once

#include <QAbstractTableModel>

#include "history/history_store.h"

// The figures of the progress chart as a table a screen reader can read:
// date (or run), questions, errors, error rate in %.
class ProgressModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { kWhen, kAsked, kWrong, kPercent, kColumns };

  using QAbstractTableModel::QAbstractTableModel;
  // byRun: the first column names runs (their start) instead of days.
  void setPoints(QList<ruzdo::ProgressPoint> points, bool byRun);
  const QList<ruzdo::ProgressPoint>& points() const { return points_; }
  static QString whenText(const ruzdo::ProgressPoint& p, bool byRun);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;

 private:
  QList<ruzdo::ProgressPoint> points_;
  bool byRun_ = false;
};
