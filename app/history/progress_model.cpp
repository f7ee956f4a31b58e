#include "history/progress_model.h"

void ProgressModel::setPoints(QList<ruzdo::ProgressPoint> points, bool byRun) {
  beginResetModel();
  points_ = std::move(points);
  byRun_ = byRun;
  endResetModel();
}

QString ProgressModel::whenText(const ruzdo::ProgressPoint& p, bool byRun) {
  return byRun ? p.start.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"))
               : p.start.date().toString(QStringLiteral("dd.MM.yyyy"));
}

int ProgressModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(points_.size());
}

int ProgressModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant ProgressModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= points_.size()) return {};
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  const ruzdo::ProgressPoint& p = points_[index.row()];
  switch (index.column()) {
    case kWhen:
      return whenText(p, byRun_);
    case kAsked:
      return p.asked;
    case kWrong:
      return p.wrong;
    case kPercent:
      return p.asked > 0 ? qRound(100.0 * p.wrong / p.asked) : 0;
    default:
      return {};
  }
}

QVariant ProgressModel::headerData(int section, Qt::Orientation o, int role) const {
  if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kWhen:
      return byRun_ ? tr("Занятие") : tr("Дата");
    case kAsked:
      return tr("Вопросов");
    case kWrong:
      return tr("Ошибок");
    case kPercent:
      return QStringLiteral("%");
    default:
      return {};
  }
}
