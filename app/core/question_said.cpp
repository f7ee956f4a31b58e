#include "core/question_said.h"

#include "core/carrier_sentences.h"
#include "core/speech_text.h"
#include "core/speech_voice.h"
#include "core/value_text.h"

namespace ruzdo {

Said SayNumber(int value, TTani tani, const SayingChoice& how) {
  Said said;
  said.voice = how.voice;
  said.variant = how.readings ? RandomVariant(*how.readings) : 1;
  said.written = std::to_string(value) + std::string(CounterShownAfter(tani, value));
  said.koe = NumberSpeechText(value, tani, said.variant);
  if (!how.carriers) return said;
  if (const CarrierSentence* c = DrawCarrier(*how.carriers, CounterReading(tani), value)) {
    const SentenceText sentence = NumberInSentence(*c, value, tani, said.variant);
    if (const auto sjis = ToShiftJis(sentence.phonetic)) {
      said.koe = *sjis;
      said.sentence = sentence.written;
    }
  }
  return said;
}

Said SaySequence(const std::string& text, const SayingChoice& how) {
  Said said;
  said.written = text;
  said.voice = how.voice;
  const auto sjis = SequenceSpeechText(text);
  if (sjis) said.koe = *sjis;
  if (!sjis || !how.carriers) return said;
  if (const CarrierSentence* c = DrawCarrier(*how.carriers, kSequenceKey, 0)) {
    const SentenceText sentence = SequenceInSentence(*c, text);
    if (const auto phonetic = ToShiftJis(sentence.phonetic)) {
      said.koe = *phonetic;
      said.sentence = sentence.written;
    }
  }
  return said;
}

}  // namespace ruzdo
