#include "prosody/utterance_builder.hpp"

#include "reading/kana_moras.hpp"
#include "reading/numbers.hpp"
#include "reading/sequences.hpp"

namespace onsei {
namespace {

class Builder {
 public:
  Status add(const Token& t) {
    const bool afterTag = afterTag_;
    afterTag_ = false;
    switch (t.kind) {
      case Token::Kind::Kana:
        return addKana(t, afterTag);
      case Token::Kind::PhraseBreak:
        closePhrase();
        return Ok();
      case Token::Kind::Pause:
      case Token::Kind::SentenceEnd:
        closeGroup();
        return Ok();
      case Token::Kind::Question:
        closePhrase();
        if (!group_.phrases.empty()) group_.phrases.back().question = true;
        closeGroup();
        return Ok();
      case Token::Kind::Number: {
        auto phrases = ReadNumber(t.value, t.text, t.variant);
        if (!phrases) return at(t, phrases.error());
        return addPhrases(std::move(phrases.value()));
      }
      case Token::Kind::Sequence: {
        auto phrases = ReadSequence(t.value, t.variant);
        if (!phrases) return at(t, phrases.error());
        return addPhrases(std::move(phrases.value()));
      }
    }
    return Ok();
  }

  Utterance finish() {
    closeGroup();
    return std::move(utterance_);
  }

 private:
  static Error at(const Token& t, const Error& e) {
    return Error{e.message + " (at byte " + std::to_string(t.offset) + ")"};
  }

  // Kana right after a number tag (に, です, から, ごろ ...) are said with the
  // number: they join its last accent phrase. The number's accent stands; a
  // mark in the kana counts only when the number is flat (とうきょうま'で).
  Status addKana(const Token& t, bool afterTag) {
    auto run = KanaToMoras(std::u32string_view(t.text), KanaStyle::AsWritten);
    if (!run) return at(t, run.error());
    if (afterTag && phrase_.words.empty() && !group_.phrases.empty()) {
      phrase_ = std::move(group_.phrases.back());
      group_.phrases.pop_back();
      if (run->accent != 0 && phrase_.accent == 0)
        phrase_.accent = phrase_.moraCount() + run->accent;
    } else if (run->accent != 0) {
      if (phrase_.accent != 0)
        return at(t, Error{"a second accent mark \"'\" in one accent phrase"});
      phrase_.accent = phrase_.moraCount() + run->accent;
    }
    phrase_.words.push_back({std::move(run->moras), PartOfSpeech::Noun});
    return Ok();
  }

  Status addPhrases(std::vector<AccentPhrase> phrases) {
    closePhrase();
    for (AccentPhrase& p : phrases) group_.phrases.push_back(std::move(p));
    afterTag_ = !phrases.empty();
    return Ok();
  }

  void closePhrase() {
    if (phrase_.words.empty()) return;
    group_.phrases.push_back(std::move(phrase_));
    phrase_ = AccentPhrase();
  }

  void closeGroup() {
    closePhrase();
    if (group_.phrases.empty()) return;
    utterance_.groups.push_back(std::move(group_));
    group_ = BreathGroup();
  }

  AccentPhrase phrase_;
  BreathGroup group_;
  bool afterTag_ = false;  // the last token was a number tag
  Utterance utterance_;
};

}  // namespace

Result<Utterance> BuildUtterance(const std::vector<Token>& tokens) {
  Builder builder;
  for (const Token& t : tokens) {
    Status s = builder.add(t);
    if (!s) return s.error();
  }
  return builder.finish();
}

}  // namespace onsei
