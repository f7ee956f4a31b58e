#include "reading/kana_moras.hpp"

#include "data/tables.hpp"
#include "text/utf8.hpp"

namespace onsei {
namespace {

bool isVowel(const std::string& v) {
  return v == "a" || v == "i" || v == "u" || v == "e" || v == "o";
}

}  // namespace

Result<MoraRun> KanaToMoras(std::u32string_view kana, KanaStyle style) {
  const auto& table = KanaTable();
  MoraRun run;
  std::size_t i = 0;
  while (i < kana.size()) {
    const char32_t c = kana[i];
    if (c == U'\'') {
      if (run.moras.empty()) return Error{"the accent mark \"'\" has no mora before it"};
      if (run.accent != 0) return Error{"two accent marks \"'\" in one word"};
      run.accent = static_cast<int>(run.moras.size());
      ++i;
      continue;
    }
    if (c == U'ー') {
      if (run.moras.empty() || !isVowel(run.moras.back().vowel))
        return Error{"the long-vowel mark \"ー\" has no vowel before it"};
      run.moras.push_back({"ー", "", run.moras.back().vowel, true});
      ++i;
      continue;
    }
    // The longest kana sequence in the table: a kana with a small kana first.
    const KanaPhonemes* found = nullptr;
    std::u32string key;
    for (std::size_t len = 2; len >= 1 && !found; --len) {
      if (i + len > kana.size()) continue;
      key.clear();
      for (std::size_t k = 0; k < len; ++k) key += ToHiragana(kana[i + k]);
      const auto it = table.find(key);
      if (it != table.end()) found = &it->second;
    }
    if (!found)
      return Error{"\"" + ToUtf8(kana.substr(i, 1)) + "\" is not a kana that can be said"};
    Mora m{ToUtf8(key), found->consonant, found->vowel, false};
    // う after o or u in a reading is the second half of a long vowel.
    if (style == KanaStyle::Reading && key == U"う" && !run.moras.empty() &&
        (run.moras.back().vowel == "o" || run.moras.back().vowel == "u")) {
      m.vowel = run.moras.back().vowel;
      m.longVowel = true;
    }
    run.moras.push_back(std::move(m));
    i += key.size();
  }
  return run;
}

Result<MoraRun> KanaToMoras(std::string_view utf8Kana, KanaStyle style) {
  std::u32string s;
  if (!FromUtf8(utf8Kana, s)) return Error{"invalid UTF-8 in a data table"};
  return KanaToMoras(std::u32string_view(s), style);
}

}  // namespace onsei
