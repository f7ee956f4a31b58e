#include "history/progress_chart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

namespace {

// At most this many labels under the chart; more would run into each other.
constexpr int kMostLabels = 8;
// Room above 100 % and below 0 %, in %, so that a point there is drawn whole.
constexpr double kRateMargin = 5;

}  // namespace

ProgressChart::ProgressChart(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  chart()->legend()->hide();
  chart()->setMargins(QMargins(4, 4, 4, 4));
  setMinimumHeight(160);
  // It takes the room the window gives it, as the table beside it does.
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QList<double> ProgressChart::positions(const QList<ruzdo::ProgressPoint>& points, bool byRun) {
  // Days by the calendar, so that a gap of days shows as one and a change
  // of clocks moves nothing; runs one after another.
  QList<double> x;
  const QDate first = points.isEmpty() ? QDate() : points.first().start.date();
  for (qsizetype i = 0; i < points.size(); ++i)
    x.append(byRun ? double(i + 1) : double(first.daysTo(points[i].start.date())));
  return x;
}

void ProgressChart::setPoints(const QList<ruzdo::ProgressPoint>& points, bool byRun) {
  QChart* c = chart();
  c->removeAllSeries();
  for (QAbstractAxis* axis : c->axes()) {
    c->removeAxis(axis);
    delete axis;
  }
  auto* line = new QLineSeries(c);
  auto* dots = new QScatterSeries(c);
  dots->setMarkerSize(7);
  const QList<double> x = positions(points, byRun);
  for (qsizetype i = 0; i < points.size(); ++i) {
    const ruzdo::ProgressPoint& p = points[i];
    const double y = p.asked > 0 ? 100.0 * p.wrong / p.asked : 0.0;
    line->append(x[i], y);
    dots->append(x[i], y);
  }
  c->addSeries(line);
  c->addSeries(dots);
  dots->setColor(line->color());

  // Every day or run gets its label right under its point; with many, every
  // step-th does (the first always).
  auto* along = new QCategoryAxis(c);
  along->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  along->setTitleText(byRun ? tr("Занятие") : tr("День"));
  if (x.isEmpty()) {
    // Nothing to label: no labels and no title (an axis without categories
    // would draw its title at the chart's corner).
    along->setRange(0, 1);
    along->setLabelsVisible(false);
    along->setTitleVisible(false);
    c->setTitle(tr("Ответов нет"));
  } else {
    const double first = x.first();
    const double last = x.last();
    const int step = std::max(1, static_cast<int>(last - first) / kMostLabels + 1);
    along->setRange(first - 0.5, last + 0.5);
    along->setStartValue(first - 0.5);
    for (double at = first; at <= last; at += step) {
      const QString label =
          byRun ? QString::number(at)
                : points.first().start.date().addDays(qint64(at)).toString(tr("dd.MM"));
      along->append(label, at);
    }
    c->setTitle(QString());
  }

  auto* rate = new QValueAxis(c);
  rate->setRange(-kRateMargin, 100 + kRateMargin);
  rate->setTickType(QValueAxis::TicksDynamic);
  rate->setTickAnchor(0);
  rate->setTickInterval(20);
  rate->setLabelFormat(QStringLiteral("%d %%"));
  rate->setTitleText(tr("Доля ошибок"));
  c->addAxis(along, Qt::AlignBottom);
  c->addAxis(rate, Qt::AlignLeft);
  for (QAbstractSeries* s :
       {static_cast<QAbstractSeries*>(line), static_cast<QAbstractSeries*>(dots)}) {
    s->attachAxis(along);
    s->attachAxis(rate);
  }
}
