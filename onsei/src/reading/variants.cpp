#include "reading/variants.hpp"

#include <algorithm>

#include "reading/numbers.hpp"
#include "reading/sequences.hpp"

namespace onsei {
namespace {

bool isOpenNumber(const Token& t) {
  return (t.kind == Token::Kind::Number || t.kind == Token::Kind::Sequence) && t.variant == 0;
}

Result<int> readingsOf(const Token& t) {
  if (t.kind == Token::Kind::Sequence) return SequenceVariantCount(t.value);
  return NumberVariantCount(t.value, t.text);
}

}  // namespace

Result<int> CountTextVariants(const std::vector<Token>& tokens) {
  int total = 1;
  for (const Token& t : tokens) {
    if (!isOpenNumber(t)) continue;
    auto count = readingsOf(t);
    if (!count) return Error{count.error().message + " (at byte " + std::to_string(t.offset) + ")"};
    // Both factors are at most kMaxTextVariants, so the product fits in an int.
    total = std::min(total * *count, kMaxTextVariants);
  }
  return total;
}

Status ChooseTextVariant(std::vector<Token>& tokens, int variant) {
  auto total = CountTextVariants(tokens);
  if (!total) return total.error();
  int rest = variant >= 1 && variant <= *total ? variant - 1 : 0;
  for (Token& t : tokens) {
    if (!isOpenNumber(t)) continue;
    const int count = readingsOf(t).value();
    t.variant = 1 + rest % count;
    rest /= count;
  }
  return Ok();
}

}  // namespace onsei
