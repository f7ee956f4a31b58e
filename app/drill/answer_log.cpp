#include "drill/answer_log.h"

#include "history/history_service.h"

namespace ruzdo {

AnswerLog::AnswerLog(QObject* parent) : QObject(parent) {}

HistoryService* AnswerLog::open(const QString& folder) {
  delete history_;
  history_ = new HistoryService(folder, this);
  connect(history_, &HistoryService::opened, this,
          [this](const QList<HistoryStore::Recent>& stored) {
            // What the file holds comes before the answers of this session.
            std::vector<PastAnswer> earlier;
            for (const auto& a : stored) earlier.push_back({a.asked, a.clicked, a.wrong});
            recent_.addEarlier(earlier);
          });
  // Cleared answers no longer weigh the weak values.
  connect(history_, &HistoryService::cleared, this, [this](bool ok) {
    if (ok) recent_.clear();
  });
  return history_;
}

void AnswerLog::asked(int speed, bool firstOfRun) {
  questionAt_ = QDateTime::currentDateTimeUtc();
  if (firstOfRun) runStartedAt_ = questionAt_;
  questionSpeed_ = speed;
}

void AnswerLog::heard(bool firstOfRun) {
  questionAt_ = QDateTime::currentDateTimeUtc();
  if (firstOfRun) runStartedAt_ = questionAt_;
}

void AnswerLog::judged(const Question& q, const HistoryFilter& scope,
                       const std::optional<QString>& clicked, bool wrong) {
  const bool numbers = scope.mode == static_cast<int>(DrillMode::kNumbers);
  if (numbers) {
    bool isNumber = false;
    const int number = clicked ? clicked->toInt(&isNumber) : -1;
    recent_.add({q.number, isNumber ? number : -1, wrong});
  }
  if (!history_) return;
  const Said& said = q.said;
  AnswerRecord r;
  r.askedAt = questionAt_;
  r.runStartedAt = runStartedAt_;
  r.appVersion = QStringLiteral(RUZDO_VERSION);
  r.voice = said.voice;
  r.sentence = QString::fromStdString(said.sentence);
  r.variant = said.variant;
  r.mode = scope.mode;
  r.rangeMin = scope.rangeMin;
  r.rangeMax = scope.rangeMax;
  r.counter = scope.counter;
  r.pattern = scope.pattern;
  r.question = numbers ? QString::number(q.number) : QString::fromStdString(q.answer);
  r.answer = clicked;
  r.wrong = wrong;
  r.speechSpeed = questionSpeed_;
  r.condition = QString::fromStdString(said.condition);
  r.noiseDb = said.noiseDb;
  if (clicked) r.answerMs = static_cast<int>(questionAt_.msecsTo(QDateTime::currentDateTimeUtc()));
  history_->record(r);
}

}  // namespace ruzdo
