#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ruzdo {

// The voice things are said in: the voice chosen, or with «Разные» one drawn
// for each question (a plate clicked to listen is then said in the standard
// voice). Voices are named as the speech cache keys them: "" the standard one.
class VoiceChoice {
 public:
  // The picker as it stands: its presets in order and the one chosen, ""
  // for «Разные»; none while nothing is chosen.
  void setPicker(std::vector<std::string> presets, std::optional<std::string> chosen);
  bool varies() const { return chosen_ && chosen_->empty(); }
  std::string listening() const;

  // A question's voice. A question drawn a tick ahead (ahead) draws its own,
  // its sound made ahead with it; any other takes the voice drawn for it
  // before and draws the next question's now (nextDrawn), so that the
  // plates' sounds are made ahead in that one.
  std::string question(bool ahead, bool& nextDrawn);
  // The voices the numbers' questions are made ahead in: the chosen one;
  // with «Разные» the next question's (drawn now if not yet), or none when
  // each question is drawn ahead with its own.
  std::vector<std::string> aheadVoices(bool ahead);

 private:
  std::vector<std::string> presets_;
  std::optional<std::string> chosen_;
  std::optional<std::string> next_;  // with «Разные», the next question's voice
};

}  // namespace ruzdo
