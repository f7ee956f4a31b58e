#include "core/question.h"

#include <utility>

namespace ruzdo {

Question Question::ofNumber(int value, std::string counter) {
  Question q;
  q.number = value;
  q.counter = std::move(counter);
  q.answer = std::to_string(value);
  return q;
}

Question Question::ofCaption(DrillMode mode, std::string answer,
                             std::vector<std::string> captions) {
  Question q;
  q.mode = mode;
  q.answer = std::move(answer);
  q.captions = std::move(captions);
  return q;
}

bool Question::answeredBy(const PlateAnswer& plate) const {
  return mode == DrillMode::kNumbers ? plate.number == number : plate.caption == answer;
}

std::string Question::value() const {
  return mode == DrillMode::kNumbers ? std::to_string(number) + counter : answer;
}

}  // namespace ruzdo
