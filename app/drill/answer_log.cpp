#include "drill/answer_log.h"

#include "history/history_service.h"

namespace ruzdo {

AnswerLog::AnswerLog(QObject* parent) : QObject(parent) {}

HistoryService* AnswerLog::open(const QString& folder) {
  delete history_;
  history_ = new HistoryService(folder, this);
  connect(history_, &HistoryService::opened, this,
          [this](const QList<HistoryStore::Recent>& numbers,
                 const QList<HistoryStore::RecentLesson>& lessons) {
            // What the file holds comes before the answers of this session.
            std::vector<PastAnswer> earlier;
            for (const auto& a : numbers) earlier.push_back({a.asked, a.clicked, a.wrong});
            recent_.addEarlier(earlier);
            std::vector<PastLessonAnswer> older;
            for (qsizetype i = 0; i < lessons.size(); ++i) {
              older.push_back(lessons[i].answer);
              if (i + 1 == lessons.size() || lessons[i + 1].mode != lessons[i].mode) {
                lessons_.addOlder(static_cast<DrillMode>(lessons[i].mode), older);
                older.clear();
              }
            }
          });
  // Cleared answers no longer weigh the weak values.
  connect(history_, &HistoryService::cleared, this, [this](bool ok) {
    if (!ok) return;
    recent_.clear();
    lessons_.clear();
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
  } else if (IsLesson(static_cast<DrillMode>(scope.mode))) {
    lessons_.add(static_cast<DrillMode>(scope.mode),
                 {q.answer, clicked ? clicked->toStdString() : std::string(), wrong});
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
  for (const std::string& plate : q.captions) r.plates << QString::fromStdString(plate);
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
