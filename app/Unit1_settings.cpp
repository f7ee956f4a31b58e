// The settings column's handlers: Apply and Cancel between the panel and the
// plate grid, the mode items, the counter picker and the interval track bar.
#include <QComboBox>
#include <QSlider>
#include <QTimer>

#include "Unit1.h"
#include "platform/message_box.h"
#include "speech/speech_service.h"
#include "uAboutFrm.h"

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
  RuzdoPole->TakeFocusIfLost(focused);
  ShowFieldSettings();
  saveSettings();
}

void TMainForm::sCancelClick() { ShowFieldSettings(); }

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
  RuzdoPole->TakeFocusIfLost(focused);
}

void TMainForm::gEasyItems0Click() { SwitchMode(ruzdo::DrillMode::kNumbers); }

void TMainForm::gEasyItems1Click() { SwitchMode(ruzdo::DrillMode::kSequences); }

void TMainForm::FillCounterPicker() { gGenerate->fillCounters(); }

void TMainForm::sTimerIntervalChange() { tMain->setInterval(sTimerInterval->value()); }

void TMainForm::RzGroup1Items0Click() {
  if (fAbout) fAbout->exec();
}
