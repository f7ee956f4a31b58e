#pragma once

#include <QChartView>

#include "history/history_store.h"

// The error rate in % per day or per run, as a line with its points, over
// time (days) or over the runs' numbers; empty when there is nothing yet.
class ProgressChart : public QChartView {
  Q_OBJECT
 public:
  explicit ProgressChart(QWidget* parent);
  void setPoints(const QList<ruzdo::ProgressPoint>& points, bool byRun);
};
