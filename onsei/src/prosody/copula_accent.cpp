#include "prosody/copula_accent.hpp"

#include <string>
#include <vector>

#include "data/embedded.hpp"
#include "data/tables.hpp"
#include "reading/kana_moras.hpp"

namespace onsei {
namespace {

struct Ending {
  std::vector<std::string> moras;  // kana, one mora each
  int fall = 0;                    // mora (1-based) of the copula's fall; 0 for a particle
};

Ending endingOf(const std::string& kana) {
  Ending e;
  auto run = KanaToMoras(kana, KanaStyle::AsWritten);
  if (!run) return e;
  for (const Mora& m : run->moras) e.moras.push_back(m.kana);
  e.fall = run->accent;
  return e;
}

struct Endings {
  std::vector<Ending> copula;
  std::vector<Ending> particles;  // with "no particle" first
};

const Endings& endings() {
  static const Endings table = [] {
    Endings t;
    t.particles.push_back({});
    for (const auto& row : ParseTable(EmbeddedTable("copula.tsv"))) {
      if (row.size() < 2) continue;
      if (row[0] == "copula") t.copula.push_back(endingOf(row[1]));
      if (row[0] == "particle") t.particles.push_back(endingOf(row[1]));
    }
    return t;
  }();
  return table;
}

// Whether the phrase's moras [0, end) end in `ending`.
bool endsIn(const std::vector<std::string>& moras, std::size_t end, const Ending& ending) {
  if (ending.moras.size() > end) return false;
  for (std::size_t i = 0; i < ending.moras.size(); ++i)
    if (moras[end - ending.moras.size() + i] != ending.moras[i]) return false;
  return true;
}

// The mora of the copula's fall in a flat phrase, or 0.
int copulaFall(const AccentPhrase& phrase) {
  std::vector<std::string> moras;
  for (const Word& w : phrase.words)
    for (const Mora& m : w.moras) moras.push_back(m.kana);
  for (const Ending& particle : endings().particles) {
    if (!endsIn(moras, moras.size(), particle)) continue;
    const std::size_t beforeParticle = moras.size() - particle.moras.size();
    for (const Ending& copula : endings().copula) {
      // Something must come before the copula: a phrase of its own stays flat.
      if (copula.moras.size() >= beforeParticle || !endsIn(moras, beforeParticle, copula)) continue;
      return static_cast<int>(beforeParticle - copula.moras.size()) + copula.fall;
    }
  }
  return 0;
}

}  // namespace

void AccentCopula(Utterance& utterance) {
  for (BreathGroup& group : utterance.groups)
    for (AccentPhrase& phrase : group.phrases)
      if (phrase.accent == 0) phrase.accent = copulaFall(phrase);
}

}  // namespace onsei
