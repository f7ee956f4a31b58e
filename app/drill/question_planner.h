#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/drill_mode.h"
#include "core/question.h"
#include "core/voice_choice.h"
#include "speech/speech_service.h"

class QCheckBox;
class QComboBox;
class QSlider;
class TRuzdoPole;

namespace ruzdo {

class AnswerLog;
struct CarrierTable;
class DrillRun;

// What the drill asks and how everything is said: the next question drawn
// by its mode (a number of the range, more often a weak one with «Чаще
// ошибочные»; a sequence among its plates' new captions; a lesson's item
// among its confusions), its voice, reading and sentence; what a plate says
// when clicked to listen; and the list of sounds made ahead for the plates.
// Made ahead, a question is drawn at the tick before its own (the first at
// Start) and its sound made in the background, so that a tick is heard at
// once. It reads the panel's controls at each draw.
class QuestionPlanner {
 public:
  // The panel's controls a question is drawn with; none is owned.
  struct Panel {
    const DrillMode* mode = nullptr;
    TRuzdoPole* grid = nullptr;
    QComboBox* voice = nullptr;  // the engine's presets, then «Разные»
    QCheckBox* weakFirst = nullptr;
    QCheckBox* variants = nullptr;
    QCheckBox* sentences = nullptr;
    QSlider* speed = nullptr;
  };
  QuestionPlanner(Panel panel, SpeechService& speech, const AnswerLog& answers);

  // Called when the next question's voice was drawn: the plates' sounds are
  // to be made in it.
  std::function<void()> onVoiceDrawn;

  bool sentencesOn() const;
  // Whether a question is drawn a tick ahead, its sound made meanwhile.
  bool madeAhead();
  // The question a tick asks: the one drawn ahead, or one drawn now.
  Question takePlanned(DrillRun& drill);
  // Draws the question after the one asked, while the run has one to come.
  void planNext(DrillRun& drill);
  bool nextReady(const DrillRun& drill) const;

  // What a number, a sequence or a lesson's plate is said as: a question's
  // draws (its voice and reading, its sentence when inSentence) in the order
  // they were always made; a listening click draws nothing.
  Said numberSaid(int value, bool question, bool inSentence);
  Said sequenceSaid(const QString& text, bool question, bool inSentence);
  // A lesson's plate clicked to listen; empty koe for a caption that is no
  // item of the lesson.
  Said lessonSaid(const QString& caption);

  // What each plate says when clicked, in the listening voice; in the
  // numbers mode also the drill's questions, in the voices and readings
  // they may come in.
  std::vector<SpeechService::Utterance> plateSounds();

  const CarrierTable& carriers();

 private:
  Question draw();
  Question captionQuestion(const QStringList& captions);
  Question lessonQuestion();
  int nextNumber();
  VoiceChoice& voices();
  std::string questionVoice();
  std::string listeningVoice();
  std::function<int(const std::string&)> variantCounter() const;

  Panel panel_;
  SpeechService& speech_;
  const AnswerLog& answers_;
  VoiceChoice voices_;
  std::shared_ptr<const CarrierTable> carriers_;
};

}  // namespace ruzdo
