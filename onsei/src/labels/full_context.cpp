#include "labels/full_context.hpp"

#include <charconv>

namespace onsei {
namespace {

// The utterance flattened: every phoneme knows its mora, word, phrase and
// breath group by index; -1 for sil and pau.
struct PhraseInfo {
  int group;
  int moras;
  int accent;  // as labels write it: a flat phrase counts its morae
  bool question;
  int indexInGroup;      // 1-based
  int firstMoraInGroup;  // 1-based
};

struct GroupInfo {
  int phrases;
  int moras;
  int firstPhrase;  // global, 0-based
  int firstMora;    // global, 0-based
};

struct PhonemeInfo {
  std::string name;
  int mora = -1;  // global mora index
  int word = -1;
  int phrase = -1;
  int group = -1;
  bool pause = false;  // sil or pau
};

struct MoraInfo {
  int indexInPhrase;  // 1-based
  int phrase;
};

const char* posCode(PartOfSpeech pos) {
  switch (pos) {
    case PartOfSpeech::Noun:
      return "02";
    case PartOfSpeech::Numeral:
      return "05";
    case PartOfSpeech::Counter:
      return "15";
    case PartOfSpeech::Other:
      return "23";  // particles such as the の of digit sequences
  }
  return "xx";
}

class LabelWriter {
 public:
  explicit LabelWriter(const Utterance& u) {
    for (std::size_t g = 0; g < u.groups.size(); ++g) {
      if (g > 0) phonemes_.push_back({"pau", -1, -1, -1, -1, true});
      GroupInfo gi{0, 0, static_cast<int>(phrases_.size()), static_cast<int>(moras_.size())};
      for (const AccentPhrase& phrase : u.groups[g].phrases) {
        const int count = phrase.moraCount();
        PhraseInfo pi{
            static_cast<int>(g), count,          phrase.accent == 0 ? count : phrase.accent,
            phrase.question,     gi.phrases + 1, gi.moras + 1};
        const int phraseIndex = static_cast<int>(phrases_.size());
        int inPhrase = 0;
        for (const Word& w : phrase.words) {
          const int wordIndex = static_cast<int>(words_.size());
          words_.push_back(w.pos);
          for (const Mora& m : w.moras) {
            const int moraIndex = static_cast<int>(moras_.size());
            moras_.push_back({++inPhrase, phraseIndex});
            if (!m.consonant.empty())
              phonemes_.push_back(
                  {m.consonant, moraIndex, wordIndex, phraseIndex, static_cast<int>(g), false});
            phonemes_.push_back(
                {m.vowel, moraIndex, wordIndex, phraseIndex, static_cast<int>(g), false});
          }
        }
        phrases_.push_back(pi);
        ++gi.phrases;
        gi.moras += count;
      }
      groups_.push_back(gi);
    }
    phonemes_.insert(phonemes_.begin(), {"sil", -1, -1, -1, -1, true});
    phonemes_.push_back({"sil", -1, -1, -1, -1, true});
  }

  std::vector<std::string> labels() const {
    std::vector<std::string> out;
    const int n = static_cast<int>(phonemes_.size());
    for (int i = 0; i < n; ++i) out.push_back(label(i, n));
    return out;
  }

 private:
  static void add(std::string& s, int v) {
    char buffer[16];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    s.append(buffer, r.ptr);
  }

  std::string name(int i) const {
    if (i < 0 || i >= static_cast<int>(phonemes_.size())) return "xx";
    return phonemes_[static_cast<std::size_t>(i)].name;
  }

  const PhonemeInfo& at(int i) const { return phonemes_[static_cast<std::size_t>(i)]; }

  // The context a sil or pau takes its neighbours from: the phoneme before a
  // pause or the final sil, the one after a pause or the first sil.
  int before(int i, int n) const {
    if (i == 0) return -1;
    if (i == n - 1 || at(i).name == "pau") return i - 1;
    return i;
  }
  int after(int i, int n) const {
    if (i == n - 1) return -1;
    if (i == 0 || at(i).name == "pau") return i + 1;
    return i;
  }

  // The word, accent phrase or breath group (`of`) before (step -1) or after
  // (step +1) phoneme i, as the fields B/D, E/G and H/J want them: a sil or
  // pau takes its neighbours from the phonemes beside it. -1 where there is
  // none.
  int neighbour(int i, int n, int PhonemeInfo::*of, int count, int step) const {
    if (at(i).pause) {
      const int p = step < 0 ? before(i, n) : after(i, n);
      return p < 0 ? -1 : at(p).*of;
    }
    const int k = at(i).*of + step;
    return k >= 0 && k < count ? k : -1;
  }

  // The voice was trained on labels in which the final sil names the last
  // word only when that word has one before it, and the first sil names the
  // first word only when that word has one after it; so do these.
  int previousWord(int i, int n) const {
    const int w = neighbour(i, n, &PhonemeInfo::word, wordCount(), -1);
    return i == n - 1 && w == 0 ? -1 : w;
  }
  int nextWord(int i, int n) const {
    const int w = neighbour(i, n, &PhonemeInfo::word, wordCount(), +1);
    return i == 0 && w + 1 >= wordCount() ? -1 : w;
  }
  int wordCount() const { return static_cast<int>(words_.size()); }
  int phraseCount() const { return static_cast<int>(phrases_.size()); }
  int groupCount() const { return static_cast<int>(groups_.size()); }

  // Whether a pause separates two neighbouring accent phrases.
  bool pauseBetween(int first, int second) const {
    return phrases_[static_cast<std::size_t>(first)].group !=
           phrases_[static_cast<std::size_t>(second)].group;
  }

  // "morae_accent<sep>question_xx" of accent phrase p.
  void phraseFields(std::string& s, int p, char sep) const {
    const PhraseInfo& pi = phrases_[static_cast<std::size_t>(p)];
    add(s, pi.moras);
    s += '_';
    add(s, pi.accent);
    s += sep;
    s += pi.question ? '1' : '0';
    s += "_xx";
  }

  // "phrases_morae" of breath group g (H, J), or xx_xx without one.
  void groupFields(std::string& s, const char* prefix, int g) const {
    s += prefix;
    if (g < 0) {
      s += "xx_xx";
      return;
    }
    add(s, groups_[static_cast<std::size_t>(g)].phrases);
    s += '_';
    add(s, groups_[static_cast<std::size_t>(g)].moras);
  }

  std::string label(int i, int n) const {
    const PhonemeInfo& ph = at(i);
    const bool edge = ph.pause;  // sil at either end, or pau
    std::string s;
    s += name(i - 2) + "^" + name(i - 1) + "-" + name(i) + "+" + name(i + 1) + "=" + name(i + 2);

    // A: mora against the nucleus, forward and backward in the phrase.
    if (edge) {
      s += "/A:xx+xx+xx";
    } else {
      const MoraInfo& m = moras_[static_cast<std::size_t>(ph.mora)];
      const PhraseInfo& pi = phrases_[static_cast<std::size_t>(m.phrase)];
      s += "/A:";
      add(s, m.indexInPhrase - pi.accent);
      s += '+';
      add(s, m.indexInPhrase);
      s += '+';
      add(s, pi.moras - m.indexInPhrase + 1);
    }

    // B, C, D: parts of speech (no conjugation for these words).
    const int pw = previousWord(i, n);
    s += pw < 0 ? "/B:xx-xx_xx"
                : std::string("/B:") + posCode(words_[static_cast<std::size_t>(pw)]) + "-xx_xx";
    s += edge ? "/C:xx_xx+xx"
              : std::string("/C:") + posCode(words_[static_cast<std::size_t>(ph.word)]) + "_xx+xx";
    const int nw = nextWord(i, n);
    s += nw < 0 ? "/D:xx+xx_xx"
                : std::string("/D:") + posCode(words_[static_cast<std::size_t>(nw)]) + "+xx_xx";

    // E: the previous accent phrase, and whether a pause lies between.
    const int pp = neighbour(i, n, &PhonemeInfo::phrase, phraseCount(), -1);
    if (pp < 0) {
      s += "/E:xx_xx!xx_xx";
    } else {
      s += "/E:";
      phraseFields(s, pp, '!');
    }
    if (edge || pp < 0) {
      s += "-xx";
    } else {
      s += pauseBetween(pp, ph.phrase) ? "-0" : "-1";
    }

    // F: the current accent phrase and where it stands in its breath group.
    if (edge) {
      s += "/F:xx_xx#xx_xx@xx_xx|xx_xx";
    } else {
      const PhraseInfo& pi = phrases_[static_cast<std::size_t>(ph.phrase)];
      const GroupInfo& gi = groups_[static_cast<std::size_t>(pi.group)];
      s += "/F:";
      phraseFields(s, ph.phrase, '#');
      s += '@';
      add(s, pi.indexInGroup);
      s += '_';
      add(s, gi.phrases - pi.indexInGroup + 1);
      s += '|';
      add(s, pi.firstMoraInGroup);
      s += '_';
      add(s, gi.moras - pi.firstMoraInGroup + 1);
    }

    // G: the next accent phrase, and whether a pause lies between.
    const int np = neighbour(i, n, &PhonemeInfo::phrase, phraseCount(), +1);
    if (np < 0) {
      s += "/G:xx_xx%xx_xx";
    } else {
      s += "/G:";
      phraseFields(s, np, '%');
    }
    if (edge || np < 0) {
      s += "_xx";
    } else {
      s += pauseBetween(ph.phrase, np) ? "_0" : "_1";
    }

    // H, I, J: breath groups.
    groupFields(s, "/H:", neighbour(i, n, &PhonemeInfo::group, groupCount(), -1));
    if (edge) {
      s += "/I:xx-xx@xx+xx&xx-xx|xx+xx";
    } else {
      const GroupInfo& gi = groups_[static_cast<std::size_t>(ph.group)];
      s += "/I:";
      add(s, gi.phrases);
      s += '-';
      add(s, gi.moras);
      s += '@';
      add(s, ph.group + 1);
      s += '+';
      add(s, static_cast<int>(groups_.size()) - ph.group);
      s += '&';
      add(s, gi.firstPhrase + 1);
      s += '-';
      add(s, static_cast<int>(phrases_.size()) - gi.firstPhrase);
      s += '|';
      add(s, gi.firstMora + 1);
      s += '+';
      add(s, static_cast<int>(moras_.size()) - gi.firstMora);
    }
    groupFields(s, "/J:", neighbour(i, n, &PhonemeInfo::group, groupCount(), +1));

    // K: the whole utterance.
    s += "/K:";
    add(s, static_cast<int>(groups_.size()));
    s += '+';
    add(s, static_cast<int>(phrases_.size()));
    s += '-';
    add(s, static_cast<int>(moras_.size()));
    return s;
  }

  std::vector<PhonemeInfo> phonemes_;
  std::vector<MoraInfo> moras_;
  std::vector<PartOfSpeech> words_;
  std::vector<PhraseInfo> phrases_;
  std::vector<GroupInfo> groups_;
};

}  // namespace

std::vector<std::string> MakeLabels(const Utterance& utterance) {
  return LabelWriter(utterance).labels();
}

}  // namespace onsei
