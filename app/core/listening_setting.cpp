#include "core/listening_setting.h"

#include "core/listening_condition.h"

namespace ruzdo {

bool ListeningSetting::noisy() const { return ConditionInfo(ConditionFromKey(key_)).noisy; }

std::optional<double> ListeningSetting::heardNoiseDb() const {
  if (!noisy()) return std::nullopt;
  return level_.levelDb();
}

bool ListeningSetting::setKey(std::string_view key) {
  const std::string known(ConditionInfo(ConditionFromKey(key)).key);
  if (known == key_) return false;
  key_ = known;
  return true;
}

bool ListeningSetting::answered(bool right) {
  if (!noisy()) return false;
  const double before = level_.levelDb();
  level_.answer(right);
  return level_.levelDb() != before;
}

}  // namespace ruzdo
