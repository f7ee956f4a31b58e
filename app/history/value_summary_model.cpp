#include "history/value_summary_model.h"

#include "core/tani.h"

namespace {

QString confusionText(const QList<ruzdo::Confusion>& confusions) {
  QStringList parts;
  for (const ruzdo::Confusion& c : confusions) {
    const QString what = c.answer ? *c.answer : ValueSummaryModel::tr("без ответа");
    parts << QStringLiteral("%1 ×%2").arg(what).arg(c.count);
  }
  return parts.join(QStringLiteral(", "));
}

}  // namespace

void ValueSummaryModel::setValues(QList<ruzdo::ValueSummary> values) {
  beginResetModel();
  values_ = std::move(values);
  endResetModel();
}

int ValueSummaryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(values_.size());
}

int ValueSummaryModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant ValueSummaryModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= values_.size()) return {};
  const ruzdo::ValueSummary& v = values_[index.row()];
  const double rate = v.asked > 0 ? double(v.wrong) / v.asked : 0.0;
  if (role == kRateRole && index.column() == kErrorRate) return rate;
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  switch (index.column()) {
    case kValue: {
      // 1本, 1分 and a plain 1 are different questions, each with its row.
      const auto counter = TaniWritten(static_cast<TTani>(v.counter));
      return v.value + QString::fromUtf8(counter.data(), static_cast<qsizetype>(counter.size()));
    }
    case kAsked:
      return v.asked;
    case kErrorRate:
      return tr("%1 из %2 (%3 %)").arg(v.wrong).arg(v.asked).arg(qRound(rate * 100));
    case kConfusions:
      return confusionText(v.confusions);
    default:
      return {};
  }
}

QVariant ValueSummaryModel::headerData(int section, Qt::Orientation o, int role) const {
  if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const QString kHeaders[] = {tr("Значение"), tr("Вопросов"), tr("Ошибки"),
                                     tr("Чаще всего нажимали вместо него")};
  return section >= 0 && section < kColumns ? kHeaders[section] : QVariant();
}
