// The settings column: Apply, Cancel, the mode items, the counter picker and
// the interval track bar.
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include "Unit1.h"
#include "platform/message_box.h"
#include "uAboutFrm.h"
#include "widgets/picture_combo_box.h"

void TMainForm::ApplySettings() {
  if (sMaxRuzdo->value() - sMinRuzdo->value() >= 100) {
    ruzdo::ShowMessage(this,
                       QStringLiteral("Разница максимального и минимального значений должна быть "
                                      "меньше 100!"));
    return;
  }
  RuzdoPole->SetTani(sTani->isEnabled() ? static_cast<TTani>(sTani->currentIndex()) : tanNone);
  RuzdoPole->SetTemplate(sTemplate->isEnabled() ? sTemplate->text() : QString());
  // Each setter clamps against what is already in force: the minimum goes
  // before the maximum and the columns before the indent.
  RuzdoPole->SetMinRuzdo(sMinRuzdo->value());
  RuzdoPole->SetMaxRuzdo(sMaxRuzdo->value());
  RuzdoPole->SetRows(sRows->value());
  RuzdoPole->SetCols(sCols->value());
  RuzdoPole->SetIndention(sIndention->value());
}

void TMainForm::ShowFieldSettings() {
  sMinRuzdo->setValue(RuzdoPole->MinRuzdo());
  sMaxRuzdo->setValue(RuzdoPole->MaxRuzdo());
  sRows->setValue(RuzdoPole->Rows());
  sCols->setValue(RuzdoPole->Cols());
  sIndention->setValue(RuzdoPole->Indention());
  sTani->setCurrentIndex(RuzdoPole->Tani());
}

void TMainForm::sApplyClick() {
  ApplySettings();
  ShowFieldSettings();
  saveSettings();
}

void TMainForm::sCancelClick() { ShowFieldSettings(); }

void TMainForm::gEasyItems0Click() {
  sTemplate->setEnabled(false);
  sTani->setEnabled(true);
  Mode = 0;
  ApplySettings();
}

void TMainForm::gEasyItems1Click() {
  sTemplate->setEnabled(true);
  sTani->setEnabled(false);
  Mode = 1;
  ApplySettings();
}

void TMainForm::FillCounterPicker() {
  auto* picker = static_cast<PictureComboBox*>(sTani);
  picker->clear();
  picker->addPictureItem(QStringLiteral("Нет"), nullptr, QStringLiteral("Нет"));
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
}

void TMainForm::sTimerIntervalChange() { tMain->setInterval(sTimerInterval->value()); }

void TMainForm::RzGroup1Items0Click() {
  if (fAbout) fAbout->exec();
}
