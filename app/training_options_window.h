#pragma once

#include <QWidget>
#include <optional>
#include <string_view>
#include <vector>

#include "training_options.h"

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
// The controls are built from the table of options (training_options.cpp):
// adding an option is adding its row there; the settings keep it under its
// key, and changed() tells the main window to store it. A list's items are
// filled by whoever owns what it lists. A section without rows is not shown.
class TrainingOptionsWindow : public QWidget {
  Q_OBJECT
 public:
  using Section = ruzdo::OptionSection;

  explicit TrainingOptionsWindow(QWidget* parent);

  QGroupBox* box(Section s) const;

  // The control of the option under key: null if it is none or of another kind.
  QCheckBox* check(std::string_view key) const;
  QComboBox* choice(std::string_view key) const;

  // What the settings keep of an option: a check's state as the learner
  // chose it (also while forced), a list item's data.
  QVariant value(const ruzdo::TrainingOption& option) const;
  // Puts a kept value back: a check as the learner's choice; a list at the
  // item with that data (none has it: left as it is).
  void setValue(const ruzdo::TrainingOption& option, const QVariant& value);

  // Brings the window up in front, as the button and the menu item do. The
  // first time it opens where the learner last put it, else beside the main
  // window (covering the least of keep where there is no room). Without
  // activate (during a run) the keyboard focus stays where it is.
  void showInFront(const QList<QWidget*>& keep = {}, bool activate = true);

  // Where the learner moved the window (its frame), kept with the settings.
  std::optional<QPoint> movedTo() const { return movedTo_; }
  void setMovedTo(QPoint at) { movedTo_ = at; }

  // A check in force whatever the box says while forced (as «Интервал после
  // речи» is while long questions need it): the box then shows it checked and
  // greyed, and value() keeps what the learner chose for when it is not.
  void forceChecked(std::string_view key, bool forced);
  void forceAfterSpeech(bool forced) { forceChecked("afterSpeech", forced); }
  bool afterSpeechInForce() const;
  bool afterSpeechChosen() const;

  QComboBox* voice = nullptr;        // the engine's voice presets, then «Разные»
  QCheckBox* variants = nullptr;     // a random accepted reading per question
  QCheckBox* weakFirst = nullptr;    // draws recently missed values more often
  QCheckBox* afterSpeech = nullptr;  // the interval counts from the end of the speech
  QCheckBox* showAnswer = nullptr;   // marks the right plate after a miss

 signals:
  // An option changed, by the learner or the program.
  void changed();

 protected:
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  struct Control {
    const ruzdo::TrainingOption* option;
    QWidget* widget;
    bool forced = false;
    bool chosen = false;  // a forced check's state as the learner chose it
  };
  void addControl(const ruzdo::TrainingOption& option);
  const Control* find(std::string_view key) const;
  Control* find(std::string_view key);
  void showSectionsWithRows();

  QGroupBox* boxes_[ruzdo::kOptionSectionCount] = {};
  QFormLayout* forms_[ruzdo::kOptionSectionCount] = {};
  std::vector<Control> controls_;
  void place(const QList<QWidget*>& keep);
  bool placed_ = false;
  QPoint placedAt_;
  std::optional<QPoint> movedTo_;
};
