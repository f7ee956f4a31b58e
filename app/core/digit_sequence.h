#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ruzdo {

// A random sequence from a template: every "_" becomes a random decimal digit,
// every other character is copied as it stands ("_-__" gives e.g. "4-07").
std::string MakeSequence(std::string_view tmpl);

// Count sequences from the template, in order, all different as long as the
// template has that many (ten for each "_"); past that they repeat.
std::vector<std::string> MakeSequences(std::string_view tmpl, int count);

// The longest template a plate and the speech engine take: a phone number
// with room to spare.
inline constexpr int kMaxTemplateChars = 24;

// What keeps a template from making plates that can be told apart.
enum class TemplateFault {
  None,
  TooLong,       // more than kMaxTemplateChars characters
  BadCharacter,  // not "_", a digit, a Latin letter, "-" or a space
  NoBlank,       // no "_": every plate would show the same
  TooFewBlanks,  // fewer different sequences than plates
};

struct TemplateCheck {
  TemplateFault fault = TemplateFault::None;
  char32_t bad = 0;         // BadCharacter: the first character refused
  long long sequences = 0;  // how many different sequences it makes (10^blanks)
};

// Checks a template for a grid of `plates` plates.
TemplateCheck CheckTemplate(std::u32string_view tmpl, int plates);

}  // namespace ruzdo
