#include "history/history_service.h"

#include <QPointer>
#include <QThread>

namespace ruzdo {

template <typename F>
void HistoryService::onWorker(F f) {
  QMetaObject::invokeMethod(worker_, std::move(f), Qt::QueuedConnection);
}

template <typename F>
void HistoryService::onReader(F f) {
  QMetaObject::invokeMethod(reader_, std::move(f), Qt::QueuedConnection);
}

template <typename F>
void HistoryService::onGui(F f) {
  QMetaObject::invokeMethod(this, std::move(f), Qt::QueuedConnection);
}

HistoryService::HistoryService(const QString& folder, QObject* parent) : QObject(parent) {
  thread_ = new QThread(this);
  thread_->setObjectName(QStringLiteral("history"));
  HistoryWorker::Reports reports;
  reports.state = [this](const HistoryState& s) {
    onGui([this, s] {
      // The reader's connection still holds a file set aside: it lets go.
      if (s.damagedCopy != state_.damagedCopy) onReader([r = reader_] { r->release(); });
      state_ = s;
      emit stateChanged(state_);
    });
  };
  reports.opened = [this](const QList<HistoryStore::Recent>& numbers,
                          const QList<HistoryStore::RecentLesson>& lessons) {
    onGui([this, numbers, lessons] { emit opened(numbers, lessons); });
  };
  worker_ = new HistoryWorker(folder, std::move(reports));
  state_.file = worker_->filePath();
  worker_->moveToThread(thread_);
  thread_->start();
  onWorker([w = worker_] { w->start(); });
  readThread_ = new QThread(this);
  readThread_->setObjectName(QStringLiteral("history-reader"));
  reader_ = new HistoryWorker(folder, {}, true);
  reader_->moveToThread(readThread_);
  readThread_->start();
}

HistoryService::~HistoryService() {
  onReader([r = reader_] {
    delete r;
    QThread::currentThread()->quit();
  });
  // Quit from inside the thread, after whatever was posted before.
  onWorker([w = worker_] {
    w->finish();
    delete w;
    QThread::currentThread()->quit();
  });
  readThread_->wait();
  thread_->wait();
}

void HistoryService::record(const AnswerRecord& r) {
  onWorker([w = worker_, r] { w->add(r); });
}

void HistoryService::requestView(const HistoryQuery& query) {
  nextView_ = query;
  if (!viewBusy_) readView();
}

void HistoryService::readView() {
  if (!nextView_) return;
  viewBusy_ = true;
  const HistoryQuery query = *nextView_;
  nextView_.reset();
  onReader([this, r = reader_, query] {
    HistoryView v = r->view(query);
    onGui([this, v = std::move(v)] {
      viewBusy_ = false;
      emit viewReady(v);
      readView();
    });
  });
}

void HistoryService::clear() {
  onWorker([this, w = worker_] {
    QString why;
    const bool ok = w->clear(&why);
    onGui([this, ok, why] { emit cleared(ok, why); });
  });
}

void HistoryService::exportCsv(const QString& file) {
  onWorker([this, w = worker_, file] {
    QString why;
    const bool ok = w->exportCsv(file, &why);
    onGui([this, ok, why] { emit exported(ok, why); });
  });
}

}  // namespace ruzdo
