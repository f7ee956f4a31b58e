#include "history/history_worker.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <algorithm>

namespace ruzdo {

HistoryWorker::HistoryWorker(const QString& folder, Reports reports, bool reader)
    : folder_(folder), reports_(std::move(reports)), reader_(reader) {
  retry_ = new QTimer(this);
  retry_->setSingleShot(true);
  connect(retry_, &QTimer::timeout, this, &HistoryWorker::flush);
  state_.file = QDir(folder_).filePath(QString::fromLatin1(HistoryStore::kFileName));
}

void HistoryWorker::start() { flush(); }

void HistoryWorker::add(const AnswerRecord& r) {
  waiting_.push_back(r);
  // While a retry is due, the new answer waits behind the others.
  if (!retry_->isActive()) flush();
  report();
}

bool HistoryWorker::ensureOpen() {
  if (store_.isOpen()) return true;
  if (newer_) return false;
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (store_.open(folder_)) {
      state_.fault = HistoryFault::None;
      state_.detail.clear();
      // The weighting of weak values starts from what the file holds.
      if (!announced_ && reports_.opened)
        reports_.opened(store_.recentNumbers(0, 100000, static_cast<int>(kWeakLookBack)),
                        store_.recentLessons(static_cast<int>(kWeakLookBack)));
      announced_ = true;
      return true;
    }
    state_.fault = store_.fault();
    state_.detail = store_.errorText();
    if (store_.fault() == HistoryFault::Newer) newer_ = true;
    if (store_.fault() != HistoryFault::Damaged || reader_) return false;
    setAside();  // then a new file, once
  }
  return false;
}

void HistoryWorker::setAside() {
  store_.close();
  const QString file = store_.filePath();
  const QString copy = file + QStringLiteral(".damaged-") +
                       QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  // The file with its log, both untouched; the shared-memory index is only a
  // cache of the log and goes.
  if (!QFile::rename(file, copy)) return;
  QFile::rename(file + QStringLiteral("-wal"), copy + QStringLiteral("-wal"));
  QFile::remove(file + QStringLiteral("-shm"));
  state_.damagedCopy = copy;
}

void HistoryWorker::flush() {
  bool opened = ensureOpen();
  while (opened && !waiting_.empty()) {
    if (store_.record(waiting_.front())) {
      waiting_.pop_front();
      state_.fault = HistoryFault::None;
      state_.detail.clear();
      retryMs_ = kFirstRetryMs;
      continue;
    }
    state_.fault = store_.fault();
    state_.detail = store_.errorText();
    // A write refused as corrupt: the file is checked, and when it is
    // damaged set aside, and the answers go into a new one.
    if (store_.fault() == HistoryFault::Damaged && !store_.verify()) {
      setAside();
      opened = ensureOpen();
      continue;
    }
    break;
  }
  if ((!opened || !waiting_.empty()) && !newer_) retryLater();
  report();
}

void HistoryWorker::retryLater() {
  retry_->start(retryMs_);
  retryMs_ = std::min(retryMs_ * 2, kMaxRetryMs);
}

void HistoryWorker::report() {
  state_.waiting = static_cast<int>(waiting_.size());
  const bool same = everReported_ && reported_.fault == state_.fault &&
                    reported_.waiting == state_.waiting &&
                    reported_.damagedCopy == state_.damagedCopy;
  if (same || !reports_.state) return;
  everReported_ = true;
  reported_ = state_;
  reports_.state(state_);
}

HistoryView HistoryWorker::view(const HistoryQuery& query) {
  HistoryView v;
  v.available = ensureOpen();
  if (!v.available) return v;
  v.total = store_.count();
  v.values = store_.summary(query);
  v.days = store_.progressByDay(query);
  v.runs = store_.progressByRun(query);
  return v;
}

bool HistoryWorker::clear(QString* why) {
  if (!ensureOpen() || !store_.clear()) {
    *why = store_.errorText();
    report();
    return false;
  }
  waiting_.clear();
  report();
  return true;
}

bool HistoryWorker::exportCsv(const QString& file, QString* why) {
  if (ensureOpen() && store_.exportCsv(file)) return true;
  *why = store_.errorText();
  return false;
}

void HistoryWorker::finish() {
  retry_->stop();
  if (!waiting_.empty() && !newer_) {
    while (!waiting_.empty() && ensureOpen() && store_.record(waiting_.front()))
      waiting_.pop_front();
  }
  store_.close();
}

}  // namespace ruzdo
