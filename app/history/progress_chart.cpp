#include "history/progress_chart.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

ProgressChart::ProgressChart(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  chart()->legend()->hide();
  chart()->setMargins(QMargins(4, 4, 4, 4));
  setMinimumHeight(160);
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
  double first = 0;
  double last = 1;
  for (qsizetype i = 0; i < points.size(); ++i) {
    const ruzdo::ProgressPoint& p = points[i];
    const double x = byRun ? double(i + 1) : double(p.start.toMSecsSinceEpoch());
    const double y = p.asked > 0 ? 100.0 * p.wrong / p.asked : 0.0;
    line->append(x, y);
    dots->append(x, y);
    if (i == 0) first = x;
    last = x;
  }
  c->addSeries(line);
  c->addSeries(dots);
  dots->setColor(line->color());
  QAbstractAxis* xAxis = nullptr;
  if (byRun) {
    auto* runs = new QValueAxis(c);
    runs->setLabelFormat(QStringLiteral("%d"));
    runs->setTitleText(QStringLiteral("Занятие"));
    runs->setRange(first - 0.5, last + 0.5);
    runs->setTickCount(std::min<int>(static_cast<int>(points.size()), 10) + 1);
    xAxis = runs;
  } else {
    auto* days = new QDateTimeAxis(c);
    days->setFormat(QStringLiteral("dd.MM"));
    days->setTitleText(QStringLiteral("День"));
    const double halfDay = 12.0 * 3600 * 1000;
    days->setRange(QDateTime::fromMSecsSinceEpoch(qint64(first - halfDay)),
                   QDateTime::fromMSecsSinceEpoch(qint64(last + halfDay)));
    days->setTickCount(std::clamp<int>(static_cast<int>(points.size()) + 1, 2, 8));
    xAxis = days;
  }
  auto* rate = new QValueAxis(c);
  rate->setRange(0, 100);
  rate->setLabelFormat(QStringLiteral("%d %%"));
  rate->setTitleText(QStringLiteral("Ошибки"));
  c->addAxis(xAxis, Qt::AlignBottom);
  c->addAxis(rate, Qt::AlignLeft);
  for (QAbstractSeries* s :
       {static_cast<QAbstractSeries*>(line), static_cast<QAbstractSeries*>(dots)}) {
    s->attachAxis(xAxis);
    s->attachAxis(rate);
  }
}
