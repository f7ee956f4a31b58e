#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;

// «Параметры обучения»: the drill's options beyond the settings column, in a
// window of its own (non-modal, so the drill goes on while it is open), in
// group boxes by what they change.
//
// Changes here take effect at once: from the next question asked, or the next
// plate clicked to listen, during a run too; the main window stores them in
// the settings as soon as they change. There is no «Применить» here; the
// settings column's «Применить»/«Отмена» leave these options alone.
//
// Adding an option: build the control with the section's box as its parent,
// give it an objectName (tests and the settings find it by that), and add it
// as a row of the section's form layout:
//
//   auto* box = new QCheckBox(QStringLiteral("В предложениях"),
//                             options->box(TrainingOptionsWindow::Section::Said));
//   box->setObjectName(QStringLiteral("sSentences"));
//   box->setAccessibleName(box->text());
//   options->section(TrainingOptionsWindow::Section::Said)->addRow(box);
//
// (or addRow(label, widget) with the label's buddy set). Then store it under
// the "panel" group in ruzdo::SavePanelSettings / RestorePanelSettings, and
// connect its change signal to TMainForm::saveSettings so that it is kept at
// once. A section without rows is not shown.
class TrainingOptionsWindow : public QWidget {
  Q_OBJECT
 public:
  enum class Section {
    Speaker,  // «Кто говорит»: the voice
    Said,     // «Что говорится»: readings, which values, sentences
    Sound,    // «Как звучит»: listening conditions
    Pace,     // «Темп и подсказки»: timing and feedback
  };

  explicit TrainingOptionsWindow(QWidget* parent);

  QGroupBox* box(Section s) const;
  QFormLayout* section(Section s) const;

  // Brings the window up in front, as the button and the menu item do.
  void showInFront();

  // «Интервал после речи» in force whatever the box says while forced (as
  // long questions need): the box then shows it checked and greyed, and
  // afterSpeechChosen() keeps what the learner chose for when it is not.
  void forceAfterSpeech(bool forced);
  bool afterSpeechInForce() const;
  bool afterSpeechChosen() const;

  QComboBox* voice = nullptr;        // the engine's voice presets, then «Разные»
  QCheckBox* variants = nullptr;     // a random accepted reading per question
  QCheckBox* weakFirst = nullptr;    // draws recently missed values more often
  QCheckBox* afterSpeech = nullptr;  // the interval counts from the end of the speech
  QCheckBox* showAnswer = nullptr;   // marks the right plate after a miss

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void showSectionsWithRows();
  QGroupBox* boxes_[4] = {};
  QFormLayout* forms_[4] = {};
  bool placed_ = false;
  bool afterSpeechForced_ = false;
  bool afterSpeechChosen_ = false;  // while forced
};
