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

bool TMainForm::ApplySettings() {
  if (sMaxRuzdo->value() - sMinRuzdo->value() >= 100) {
    ruzdo::ShowMessage(this, tr("Разница максимального и минимального значений должна быть "
                                "меньше 100!"));
    return false;
  }
  // The template makes the sequences' captions; a counter is said with numbers only.
  const bool sequences = Mode == ruzdo::DrillMode::kSequences;
  // The grid ends with at least one plate, however the bounds stand.
  const int plates = std::max(1, sMaxRuzdo->value() - sMinRuzdo->value() + 1);
  const QString refusal =
      sequences ? ruzdo::TemplateRefusal(sTemplate->text(), plates,
                                         [this](const std::string& koe) {
                                           return !speech_->reading(koe.c_str()).empty();
                                         })
                : QString();
  if (!refusal.isEmpty()) {
    ruzdo::ShowMessage(this, refusal);
    // The edit goes back to the template in force, so it never holds one
    // that would lock the sequence mode out.
    sTemplate->setText(acceptedTemplate_);
    return false;
  }
  if (sequences) acceptedTemplate_ = sTemplate->text();
  // Each setter clamps against what is already in force: the minimum goes
  // before the maximum and the columns before the indent. The plates are
  // built and laid out once, for where the setters end.
  RuzdoPole->BeginUpdate();
  RuzdoPole->SetTani(Mode == ruzdo::DrillMode::kNumbers ? static_cast<TTani>(sTani->currentIndex())
                                                        : tanNone);
  RuzdoPole->SetTemplate(sequences ? sTemplate->text() : QString());
  RuzdoPole->SetMinRuzdo(sMinRuzdo->value());
  RuzdoPole->SetMaxRuzdo(sMaxRuzdo->value());
  RuzdoPole->SetRows(sRows->value());
  RuzdoPole->SetCols(sCols->value());
  RuzdoPole->SetIndention(sIndention->value());
  fitGridToMode();
  RuzdoPole->EndUpdate();
  return true;
}

void TMainForm::ShowFieldSettings() {
  sMinRuzdo->setValue(RuzdoPole->MinRuzdo());
  sMaxRuzdo->setValue(RuzdoPole->MaxRuzdo());
  sRows->setValue(RuzdoPole->Rows());
  sCols->setValue(RuzdoPole->Cols());
  sIndention->setValue(RuzdoPole->Indention());
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

void TMainForm::SwitchMode(ruzdo::DrillMode mode) {
  const QPointer<QWidget> focused = focusWidget();
  const ruzdo::DrillMode before = Mode;
  const auto enableFor = [this](ruzdo::DrillMode m) {
    // The template makes the sequences' captions; the counter is said with numbers.
    sTemplate->setEnabled(m == ruzdo::DrillMode::kSequences);
    sTani->setEnabled(m == ruzdo::DrillMode::kNumbers);
    // A lesson draws its own items: the range is not its.
    sMinRuzdo->setEnabled(!ruzdo::IsLesson(m));
    sMaxRuzdo->setEnabled(!ruzdo::IsLesson(m));
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

void TMainForm::FillCounterPicker() {
  auto* picker = static_cast<PictureComboBox*>(sTani);
  picker->clear();
  picker->addPictureItem(tr("Нет"), nullptr, tr("Нет"));
  for (int i = 1; i < kTaniCount; ++i) {
    const auto t = static_cast<TTani>(i);
    // Screen readers and tool tips get the word and its reading: "階 かい".
    const std::string_view written = TaniWritten(t);
    const std::string_view reading = CounterReading(t);
    const QString description =
        QString::fromUtf8(written.data(), static_cast<qsizetype>(written.size())) +
        QLatin1Char(' ') +
        QString::fromUtf8(reading.data(), static_cast<qsizetype>(reading.size()))
            .remove(QLatin1Char('\''));
    picker->addPictureItem(QStringLiteral("--"), CounterImage(t), description);
  }
  picker->setCurrentIndex(0);
  sTaniChange();
}

void TMainForm::sTaniChange() {
  // The entries all read "--": the name tells a screen reader which counter it is.
  const QString chosen = sTani->currentData(Qt::AccessibleTextRole).toString();
  sTani->setAccessibleName(tr("Счетный суффикс: %1").arg(chosen));
}

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
