#pragma once

#include <string>
#include <string_view>

namespace ruzdo {

// A random sequence from a template: every "_" becomes a random decimal digit,
// every other character is copied as it stands ("_-__" gives e.g. "4-07").
std::string MakeSequence(std::string_view tmpl);

}  // namespace ruzdo
