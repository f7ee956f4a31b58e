#include "core/said_line.h"

#include <array>
#include <string_view>

#include "core/speech_voice.h"

namespace ruzdo {
namespace {

bool endsWithStop(const std::string& text) {
  // A sentence ends with its own stop: no second one after it.
  static constexpr std::array<std::string_view, 6> kStops = {"。", ".", "!", "?", "！", "？"};
  for (std::string_view stop : kStops)
    if (text.size() >= stop.size() &&
        text.compare(text.size() - stop.size(), stop.size(), stop) == 0)
      return true;
  return false;
}

}  // namespace

SaidLine ComposeSaidLine(const Said& said, const SaidVerdict& verdict, const std::string& reading) {
  std::string text = "Сказано: " + (said.sentence.empty() ? said.written : said.sentence);
  // A voice other than the standard one is named, as the learner heard it.
  if (!said.voice.empty()) text += " (" + VoiceDisplayName(said.voice) + ")";
  if (verdict.judged) {
    if (!endsWithStop(text)) text += '.';
    if (!verdict.wrong)
      text += " Верно";
    else if (verdict.clicked)
      text += " Нажато: " + *verdict.clicked;
    else
      text += " Ответа не было";
  }
  if (reading.empty()) return {text, text};
  return {text + " — " + reading, text + "; " + reading};
}

}  // namespace ruzdo
