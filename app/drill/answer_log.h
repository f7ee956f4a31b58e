#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <optional>

#include "core/lessons/lesson_answers.h"
#include "core/question.h"
#include "core/recent_answers.h"

namespace ruzdo {

class HistoryService;
struct HistoryFilter;

// Where the drill's answers go: each judged question a row of the history
// (written on a thread of its own), and one of the recent answers
// «Чаще ошибочные» weighs (the numbers mode's, each lesson's), after those
// the history keeps. A
// question counts as asked from when its sound starts to be heard.
class AnswerLog : public QObject {
  Q_OBJECT
 public:
  explicit AnswerLog(QObject* parent);

  // The history in folder from now on, the one before closed.
  HistoryService* open(const QString& folder);
  HistoryService* history() const { return history_; }
  const RecentAnswers& recent() const { return recent_; }
  const LessonAnswers& lessons() const { return lessons_; }

  // A question asked at speed; firstOfRun: the run starts with it.
  void asked(int speed, bool firstOfRun);
  // Its sound starts to be heard only now (it was still being made).
  void heard(bool firstOfRun);
  // A question judged, asked with the panel set to scope: clicked is the
  // plate's caption, none when it went unanswered.
  void judged(const Question& q, const HistoryFilter& scope, const std::optional<QString>& clicked,
              bool wrong);

 private:
  HistoryService* history_ = nullptr;
  RecentAnswers recent_;
  LessonAnswers lessons_;
  QDateTime questionAt_;
  QDateTime runStartedAt_;  // the first question of the run
  int questionSpeed_ = 0;
};

}  // namespace ruzdo
