#include "history/history_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/tani.h"
#include "history/history_service.h"
#include "history/progress_chart.h"
#include "history/progress_model.h"
#include "history/value_summary_model.h"
#include "lesson_titles.h"
#include "platform/message_box.h"
#include "widgets/labelled_combo_box.h"

namespace {

// The error rate as a bar across its cell, green when nothing was missed,
// through yellow to red at half or more missed, with the counts written over
// it.
class ErrorRateDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const double rate = index.data(ValueSummaryModel::kRateRole).toDouble();
    painter->save();
    painter->fillRect(option.rect, option.palette.base());
    QRect bar = option.rect.adjusted(2, 3, -2, -3);
    painter->setPen(QColor(0xB0, 0xB0, 0xB0));
    painter->drawRect(bar.adjusted(0, 0, -1, -1));
    bar.setWidth(static_cast<int>(bar.width() * rate + 0.5));
    const double heat = std::min(1.0, 2.0 * rate);
    painter->fillRect(bar, QColor::fromHsvF((1.0 - heat) / 3.0, 0.7, 0.95));
    painter->setPen(option.palette.color(QPalette::Text));
    painter->drawText(option.rect, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
    painter->restore();
  }
};

QTableView* makeTable(QWidget* parent, QAbstractItemModel* model, const QString& name,
                      const QString& accessibleName) {
  auto* t = new QTableView(parent);
  t->setObjectName(name);
  t->setAccessibleName(accessibleName);
  t->setModel(model);
  t->verticalHeader()->setVisible(false);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->horizontalHeader()->setStretchLastSection(true);
  return t;
}

// A picker after its label, named by both for a screen reader.
QComboBox* makeCombo(QWidget* parent, QHBoxLayout* row, const QString& name, const QString& label,
                     const QStringList& items) {
  auto* caption = new QLabel(HistoryWindow::tr("%1:").arg(label), parent);
  auto* combo = new LabelledComboBox(label, parent);
  combo->setObjectName(name);
  combo->addItems(items);
  caption->setBuddy(combo);
  row->addWidget(caption);
  row->addWidget(combo);
  return combo;
}

}  // namespace

HistoryWindow::HistoryWindow(QWidget* parent, std::function<ruzdo::HistoryFilter()> currentSettings)
    : QWidget(parent, Qt::Window), currentSettings_(std::move(currentSettings)) {
  setObjectName(QStringLiteral("fHistory"));
  setWindowTitle(tr("История ответов"));
  resize(620, 480);

  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  scope = makeCombo(this, top, QStringLiteral("scope"), tr("Показать"),
                    {tr("Текущие настройки"), tr("Вся история")});
  QStringList modes{tr("Все"), tr("Числа"), tr("Последовательности")};
  for (const LessonTitle& lesson : kLessonTitles) modes << LessonTitleText(lesson.mode);
  modeFilter = makeCombo(this, top, QStringLiteral("modeFilter"), tr("Режим"), modes);
  QStringList counters{tr("Все"), tr("Без счётного слова")};
  for (int t = 1; t < kTaniCount; ++t) {
    const auto w = TaniWritten(static_cast<TTani>(t));
    counters << QString::fromUtf8(w.data(), static_cast<qsizetype>(w.size()));
  }
  counterFilter =
      makeCombo(this, top, QStringLiteral("counterFilter"), tr("Счётное слово"), counters);
  top->addStretch();
  layout->addLayout(top);

  auto* totalsRow = new QHBoxLayout;
  totals = new QLabel(this);
  totals->setObjectName(QStringLiteral("totals"));
  totals->setWordWrap(true);
  totalsRow->addWidget(totals, 1);
  // Nothing under these settings, but answers elsewhere: one click shows them.
  showAllButton = new QPushButton(tr("Показать всю историю"), this);
  showAllButton->setObjectName(QStringLiteral("showAllButton"));
  showAllButton->hide();
  totalsRow->addWidget(showAllButton);
  layout->addLayout(totalsRow);

  tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("tabs"));
  values = new ValueSummaryModel(this);
  table = makeTable(tabs, values, QStringLiteral("table"), tr("Ошибки по значениям"));
  table->setItemDelegateForColumn(ValueSummaryModel::kErrorRate, new ErrorRateDelegate(table));
  table->setColumnWidth(ValueSummaryModel::kValue, 90);
  table->setColumnWidth(ValueSummaryModel::kAsked, 70);
  table->setColumnWidth(ValueSummaryModel::kErrorRate, 140);
  tabs->addTab(table, tr("По значениям"));

  auto* progressPage = new QWidget(tabs);
  auto* progressLayout = new QVBoxLayout(progressPage);
  auto* progressRow = new QHBoxLayout;
  progressBy = makeCombo(progressPage, progressRow, QStringLiteral("progressBy"), tr("Ошибки"),
                         {tr("по дням"), tr("по занятиям")});
  progressRow->addStretch();
  progressLayout->addLayout(progressRow);
  auto* split = new QSplitter(Qt::Vertical, progressPage);
  chart = new ProgressChart(split);
  chart->setObjectName(QStringLiteral("chart"));
  chart->setAccessibleName(tr("График доли ошибок"));
  progress = new ProgressModel(this);
  progressTable =
      makeTable(split, progress, QStringLiteral("progressTable"), tr("Доля ошибок по дням"));
  split->addWidget(chart);
  split->addWidget(progressTable);
  // The chart and its table share the page 3 : 2 and grow with the window in
  // that proportion (the splitter grows each part in proportion to its size).
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  split->setSizes({3000, 2000});
  progressLayout->addWidget(split, 1);
  // The chart, like the rest of the window, shows what was missed: its tab
  // says so, and a line going down is progress.
  tabs->addTab(progressPage, tr("Доля ошибок"));
  layout->addWidget(tabs, 1);

  auto* bottom = new QHBoxLayout;
  exportButton = new QPushButton(tr("Экспорт…"), this);
  exportButton->setObjectName(QStringLiteral("exportButton"));
  clearButton = new QPushButton(tr("Очистить историю…"), this);
  clearButton->setObjectName(QStringLiteral("clearButton"));
  auto* closeButton = new QPushButton(tr("Закрыть"), this);
  bottom->addWidget(exportButton);
  bottom->addWidget(clearButton);
  bottom->addStretch();
  bottom->addWidget(closeButton);
  layout->addLayout(bottom);

  for (QComboBox* c : {scope, modeFilter, counterFilter})
    connect(c, &QComboBox::currentIndexChanged, this, &HistoryWindow::refresh);
  connect(showAllButton, &QPushButton::clicked, this, &HistoryWindow::showAllHistory);
  connect(progressBy, &QComboBox::currentIndexChanged, this, &HistoryWindow::showProgress);
  connect(exportButton, &QPushButton::clicked, this, &HistoryWindow::exportHistory);
  connect(clearButton, &QPushButton::clicked, this, &HistoryWindow::clearHistory);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  showView(view_);
}

void HistoryWindow::setHistory(ruzdo::HistoryService* history) {
  if (history_) disconnect(history_, nullptr, this, nullptr);
  history_ = history;
  if (history_) {
    connect(history_, &ruzdo::HistoryService::viewReady, this, &HistoryWindow::showView);
    connect(history_, &ruzdo::HistoryService::cleared, this, [this](bool ok, const QString& why) {
      if (!ok) ruzdo::ShowMessage(this, tr("Не удалось очистить историю ответов.\n\n") + why);
      refresh();
    });
    connect(history_, &ruzdo::HistoryService::exported, this, [this](bool ok, const QString& why) {
      exportButton->setEnabled(true);
      if (!ok) ruzdo::ShowMessage(this, tr("Не удалось сохранить историю ответов.\n\n") + why);
    });
    // A history that opens late (a lock at start) is shown when it opens.
    connect(history_, &ruzdo::HistoryService::stateChanged, this, [this] {
      if (isVisible() && !view_.available) refresh();
    });
  }
  refresh();
}

ruzdo::HistoryQuery HistoryWindow::query() const {
  ruzdo::HistoryQuery q;
  if (scope->currentIndex() == 0 && currentSettings_) q.settings = currentSettings_();
  if (modeFilter->currentIndex() > 0) q.mode = modeFilter->currentIndex() - 1;
  if (counterFilter->currentIndex() > 0) q.counter = counterFilter->currentIndex() - 1;
  return q;
}

void HistoryWindow::refresh() {
  if (!history_) {
    showView(ruzdo::HistoryView{});
    return;
  }
  history_->requestView(query());
}

void HistoryWindow::showView(const ruzdo::HistoryView& view) {
  view_ = view;
  clearButton->setEnabled(view.available);
  exportButton->setEnabled(view.available);
  values->setValues(view.values);
  showProgress();
  int asked = 0;
  int wrong = 0;
  for (const ruzdo::ValueSummary& v : view.values) {
    asked += v.asked;
    wrong += v.wrong;
  }
  if (!view.available)
    totals->setText(tr("История ответов недоступна."));
  else if (view.total == 0)
    totals->setText(tr("Ответов пока нет."));
  else if (asked == 0)
    totals->setText(
        filtersAreAll()
            ? tr("Для текущих настроек ответов нет; всего в истории: %1.").arg(view.total)
            : tr("Для выбранных условий ответов нет; всего в истории: %1.").arg(view.total));
  else
    totals->setText(tr("Ответов: %1, ошибок: %2 (%3 %).")
                        .arg(asked)
                        .arg(wrong)
                        .arg(qRound(100.0 * wrong / asked)));
  showAllButton->setVisible(view.available && asked == 0 && view.total > 0);
  emit shown();
}

bool HistoryWindow::filtersAreAll() const {
  return modeFilter->currentIndex() == 0 && counterFilter->currentIndex() == 0;
}

void HistoryWindow::showAllHistory() {
  // The button goes with the notice: the focus goes on to what now shows.
  scope->setCurrentIndex(1);
  modeFilter->setCurrentIndex(0);
  counterFilter->setCurrentIndex(0);
  tabs->setFocus();
}

void HistoryWindow::showProgress() {
  const bool byRun = progressBy->currentIndex() == 1;
  const QList<ruzdo::ProgressPoint>& points = byRun ? view_.runs : view_.days;
  progress->setPoints(points, byRun);
  progressTable->setAccessibleName(byRun ? tr("Доля ошибок по занятиям")
                                         : tr("Доля ошибок по дням"));
  chart->setPoints(points, byRun);
}

void HistoryWindow::clearHistory() {
  if (!history_) return;
  const auto answer = QMessageBox::question(this, windowTitle(), tr("Удалить всю историю ответов?"),
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (answer != QMessageBox::Yes) return;
  history_->clear();
}

void HistoryWindow::exportHistory() {
  if (!history_) return;
  const QString file =
      QFileDialog::getSaveFileName(this, tr("Экспорт истории ответов"),
                                   QStringLiteral("ruzdo-history.csv"), tr("Таблица CSV (*.csv)"));
  if (file.isEmpty()) return;
  exportButton->setEnabled(false);
  history_->exportCsv(file);
}
