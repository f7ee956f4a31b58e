#pragma once

#include <QAbstractTableModel>

#include "history/history_store.h"

// The per-value table of the history window: value (with its counter word),
// questions, error rate (as a bar, see ErrorRateDelegate) and the answers
// given instead. A model, so that a history of any size is shown at once and
// only the visible rows are drawn.
class ValueSummaryModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { kValue, kAsked, kErrorRate, kConfusions, kColumns };
  static constexpr int kRateRole = Qt::UserRole;

  using QAbstractTableModel::QAbstractTableModel;
  void setValues(QList<ruzdo::ValueSummary> values);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;

 private:
  QList<ruzdo::ValueSummary> values_;
};
