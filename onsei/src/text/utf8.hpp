#pragma once

#include <string>
#include <string_view>

namespace onsei {

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t c);
std::string ToUtf8(std::u32string_view text);

// Decodes UTF-8; false if the bytes are not valid UTF-8.
bool FromUtf8(std::string_view utf8, std::u32string& out);

// Folds katakana (and ヴ) to hiragana; other characters stay.
char32_t ToHiragana(char32_t c);

}  // namespace onsei
