#pragma once

#include <QChartView>

#include "history/history_store.h"

// The error rate in % per day or per run, as a line with its points over the
// calendar's days or the runs' numbers, each point above its own label;
// empty, with a title saying so, when there is nothing yet.
class ProgressChart : public QChartView {
  Q_OBJECT
 public:
  explicit ProgressChart(QWidget* parent);
  void setPoints(const QList<ruzdo::ProgressPoint>& points, bool byRun);
  // Where each point goes along the chart: days since the first day, or the
  // run's number from 1.
  static QList<double> positions(const QList<ruzdo::ProgressPoint>& points, bool byRun);
};
