#include "history/history_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Column { kValue, kAsked, kErrorRate, kConfusions, kColumns };

// The error rate as a bar across its cell, green when nothing was missed,
// through yellow to red at half or more missed, with the counts written over
// it.
class ErrorRateDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const double rate = index.data(Qt::UserRole).toDouble();
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

QString confusionText(const QList<ruzdo::Confusion>& confusions) {
  QStringList parts;
  for (const ruzdo::Confusion& c : confusions) {
    const QString what = c.answer ? *c.answer : QStringLiteral("без ответа");
    parts << QStringLiteral("%1 ×%2").arg(what).arg(c.count);
  }
  return parts.join(QStringLiteral(", "));
}

QTableWidgetItem* cell(const QVariant& display) {
  auto* item = new QTableWidgetItem;
  item->setData(Qt::DisplayRole, display);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

}  // namespace

HistoryWindow::HistoryWindow(QWidget* parent, std::function<ruzdo::HistoryFilter()> currentSettings)
    : QWidget(parent, Qt::Window), currentSettings_(std::move(currentSettings)) {
  setObjectName(QStringLiteral("fHistory"));
  setWindowTitle(QStringLiteral("История ответов"));
  resize(560, 420);

  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* scopeLabel = new QLabel(QStringLiteral("Показать:"), this);
  scope = new QComboBox(this);
  scope->setObjectName(QStringLiteral("scope"));
  scope->addItems({QStringLiteral("Текущие настройки"), QStringLiteral("Вся история")});
  scopeLabel->setBuddy(scope);
  top->addWidget(scopeLabel);
  top->addWidget(scope);
  top->addStretch();
  layout->addLayout(top);

  totals = new QLabel(this);
  totals->setObjectName(QStringLiteral("totals"));
  totals->setWordWrap(true);
  layout->addWidget(totals);

  table = new QTableWidget(0, kColumns, this);
  table->setObjectName(QStringLiteral("table"));
  table->setAccessibleName(QStringLiteral("Ошибки по значениям"));
  table->setHorizontalHeaderLabels({QStringLiteral("Значение"), QStringLiteral("Вопросов"),
                                    QStringLiteral("Ошибки"),
                                    QStringLiteral("Чаще всего нажимали вместо него")});
  table->setItemDelegateForColumn(kErrorRate, new ErrorRateDelegate(table));
  table->verticalHeader()->setVisible(false);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->horizontalHeader()->setSectionResizeMode(kConfusions, QHeaderView::Stretch);
  table->setColumnWidth(kValue, 90);
  table->setColumnWidth(kAsked, 70);
  table->setColumnWidth(kErrorRate, 140);
  layout->addWidget(table, 1);

  auto* bottom = new QHBoxLayout;
  clearButton = new QPushButton(QStringLiteral("Очистить историю…"), this);
  clearButton->setObjectName(QStringLiteral("clearButton"));
  auto* closeButton = new QPushButton(QStringLiteral("Закрыть"), this);
  bottom->addWidget(clearButton);
  bottom->addStretch();
  bottom->addWidget(closeButton);
  layout->addLayout(bottom);

  connect(scope, &QComboBox::currentIndexChanged, this, &HistoryWindow::refresh);
  connect(clearButton, &QPushButton::clicked, this, &HistoryWindow::clearHistory);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void HistoryWindow::setStore(ruzdo::HistoryStore* store) {
  store_ = store;
  refresh();
}

void HistoryWindow::refresh() {
  table->setSortingEnabled(false);
  table->setRowCount(0);
  const bool available = store_ && store_->isOpen();
  clearButton->setEnabled(available);
  if (!available) {
    totals->setText(QStringLiteral("История ответов недоступна."));
    return;
  }
  std::optional<ruzdo::HistoryFilter> filter;
  if (scope->currentIndex() == 0 && currentSettings_) filter = currentSettings_();
  const QList<ruzdo::ValueSummary> values = store_->summary(filter);

  int asked = 0;
  int wrong = 0;
  table->setRowCount(static_cast<int>(values.size()));
  for (int row = 0; row < values.size(); ++row) {
    const ruzdo::ValueSummary& v = values[row];
    asked += v.asked;
    wrong += v.wrong;
    bool isNumber = false;
    const int number = v.value.toInt(&isNumber);
    table->setItem(row, kValue, cell(isNumber ? QVariant(number) : QVariant(v.value)));
    table->setItem(row, kAsked, cell(v.asked));
    const double rate = v.asked > 0 ? double(v.wrong) / v.asked : 0.0;
    auto* rateItem =
        cell(QStringLiteral("%1 из %2 (%3 %)").arg(v.wrong).arg(v.asked).arg(qRound(rate * 100)));
    rateItem->setData(Qt::UserRole, rate);
    table->setItem(row, kErrorRate, rateItem);
    table->setItem(row, kConfusions, cell(confusionText(v.confusions)));
  }
  if (values.isEmpty())
    totals->setText(QStringLiteral("Ответов пока нет."));
  else
    totals->setText(QStringLiteral("Ответов: %1, ошибок: %2 (%3 %).")
                        .arg(asked)
                        .arg(wrong)
                        .arg(qRound(100.0 * wrong / asked)));
}

void HistoryWindow::clearHistory() {
  if (!store_ || !store_->isOpen()) return;
  const auto answer =
      QMessageBox::question(this, windowTitle(), QStringLiteral("Удалить всю историю ответов?"),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (answer != QMessageBox::Yes) return;
  store_->clear();
  refresh();
}
