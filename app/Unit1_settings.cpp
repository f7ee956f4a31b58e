// The settings column: Apply, Cancel, the mode items, the counter picker and
// the interval track bar.
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>

#include "Unit1.h"
#include "core/speech_text.h"
#include "core/speech_voice.h"
#include "platform/message_box.h"
#include "speech/speech_service.h"
#include "template_refusal.h"
#include "uAboutFrm.h"
#include "widgets/picture_combo_box.h"
#include "widgets/plate_button.h"

bool TMainForm::ApplySettings() {
  if (!gGenerate->rangeAccepted()) {
    ruzdo::ShowMessage(this, tr("Разница максимального и минимального значений должна быть "
                                "меньше 100!"));
    return false;
  }
  // The template makes the sequences' captions; a counter is said with numbers only.
  const bool sequences = Mode == ruzdo::DrillMode::kSequences;
  const QString refusal = sequences ? gGenerate->templateRefusal([this](const std::string& koe) {
    return !speech_->reading(koe.c_str()).empty();
  })
                                    : QString();
  if (!refusal.isEmpty()) {
    ruzdo::ShowMessage(this, refusal);
    // The edit goes back to the template in force, so it never holds one
    // that would lock the sequence mode out.
    gGenerate->revertTemplate();
    return false;
  }
  if (sequences) gGenerate->acceptTemplate();
  // The plates are built and laid out once, for where the setters end.
  RuzdoPole->BeginUpdate();
  gGenerate->applyTo(*RuzdoPole, Mode);
  gRuzdoPoleSetting->applyTo(*RuzdoPole);
  fitGridToMode();
  RuzdoPole->EndUpdate();
  return true;
}

void TMainForm::ShowFieldSettings() {
  gGenerate->showRange(*RuzdoPole);
  gRuzdoPoleSetting->showShape(*RuzdoPole);
  // The sequence mode says no counter: the picker keeps the choice for the
  // numbers mode.
  if (Mode == ruzdo::DrillMode::kNumbers) sTani->setCurrentIndex(RuzdoPole->Tani());
}

void TMainForm::sApplyClick() {
  const QPointer<QWidget> focused = focusWidget();
  ApplySettings();
  focusPlatesIfLost(focused);
  ShowFieldSettings();
  saveSettings();
}

void TMainForm::sCancelClick() { ShowFieldSettings(); }

void TMainForm::focusPlatesIfLost(const QPointer<QWidget>& before) {
  // The focus was on a control that has just been disabled (the toolkit
  // passes it on to whatever comes next, or to none), or on none: it goes to
  // the plates, where the answers are given.
  const QWidget* now = focusWidget();
  const auto& plates = RuzdoPole->Plates();
  if ((!before || !before->isEnabled() || !now || !now->isEnabled()) && !plates.empty())
    plates.front()->setFocus(Qt::OtherFocusReason);
}

void TMainForm::SwitchMode(ruzdo::DrillMode mode) {
  const QPointer<QWidget> focused = focusWidget();
  const ruzdo::DrillMode before = Mode;
  const auto enableFor = [this](ruzdo::DrillMode m) {
    gGenerate->enableFor(m);
    Mode = m;
  };
  enableFor(mode);
  // Refused settings leave the grid as it was, so the mode stays as it was too.
  if (!ApplySettings()) enableFor(before);
  forceAfterSpeechForMode();
  focusPlatesIfLost(focused);
}

void TMainForm::gEasyItems0Click() { SwitchMode(ruzdo::DrillMode::kNumbers); }

void TMainForm::gEasyItems1Click() { SwitchMode(ruzdo::DrillMode::kSequences); }

void TMainForm::FillCounterPicker() { gGenerate->fillCounters(); }

void TMainForm::FillVoicePicker() {
  // The engine's voices by their Russian names (who speaks and how), the
  // standard one first; each item keeps the engine's name. "Разные" has
  // none: a speaker and style are drawn for every question.
  sVoice->clear();
  for (const std::string& name : ruzdo::EngineVoiceNames())
    sVoice->addItem(
        QCoreApplication::translate("SpeechVoice", ruzdo::VoiceDisplayName(name).c_str()),
        QString::fromStdString(name));
  sVoice->addItem(tr("Разные"), QString());
  // The list opens wide enough for the longest name, whatever the box's width.
  sVoice->view()->setMinimumWidth(sVoice->view()->sizeHintForColumn(0) + 24);
  sVoice->setCurrentIndex(0);
  sVoiceChange();
}

void TMainForm::sVoiceChange() {
  sVoice->setAccessibleName(tr("Голос: %1").arg(sVoice->currentText()));
}

void TMainForm::sTimerIntervalChange() { tMain->setInterval(sTimerInterval->value()); }

void TMainForm::RzGroup1Items0Click() {
  if (fAbout) fAbout->exec();
}
