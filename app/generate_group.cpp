#include "generate_group.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>

#include "RuzdoPole.h"
#include "core/value_text.h"
#include "template_refusal.h"
#include "widgets/designed_controls.h"
#include "widgets/picture_combo_box.h"

using ruzdo::addLabel;
using ruzdo::addSpin;
using ruzdo::addTrackBar;

GenerateGroup::GenerateGroup(QWidget* parent) : QGroupBox(tr("Параметры генерации"), parent) {
  setObjectName(QStringLiteral("gGenerate"));
  setGeometry(0, 0, 296, 241);

  minRuzdo = addSpin(this, "sMinRuzdo", tr("Минимальное значение"), 165, 15, 117, 21, 0, 100000, 0);
  addLabel(this, tr("Минимальное значение:"), 10, 20)->setBuddy(minRuzdo);
  maxRuzdo =
      addSpin(this, "sMaxRuzdo", tr("Максимальное значение"), 165, 35, 117, 21, 0, 100000, 9);
  addLabel(this, tr("Максимальное значение:"), 10, 40)->setBuddy(maxRuzdo);

  counter = new PictureComboBox(this);
  counter->setObjectName(QStringLiteral("sTani"));
  counter->setAccessibleName(tr("Счетный суффикс"));
  counter->setGeometry(170, 60, 115, 26);
  counter->setItemHeight(20);
  addLabel(this, tr("Счетный суффикс:"), 10, 65)->setBuddy(counter);
  connect(counter, &QComboBox::currentIndexChanged, this, &GenerateGroup::nameCounter);

  pattern = new QLineEdit(QStringLiteral("_-__"), this);
  pattern->setObjectName(QStringLiteral("sTemplate"));
  pattern->setAccessibleName(tr("Шаблон"));
  pattern->setGeometry(165, 90, 121, 21);
  pattern->setEnabled(false);
  acceptedPattern_ = pattern->text();
  addLabel(this, tr("Шаблон:"), 10, 95)->setBuddy(pattern);

  speechSpeed = addTrackBar(this, "sSpechSpeed", tr("Скорость речи"), 95, 115, 195, 50, 200, 5, 90);
  QLabel* speedLabel = addLabel(this, tr("Скорость\nречи:"), 10, 120);
  speedLabel->setBuddy(speechSpeed);
  interval =
      addTrackBar(this, "sTimerInterval", tr("Интервал"), 95, 160, 195, 100, 10000, 500, 2000);
  // The keys move it by its stated step of 0.5 s.
  interval->setSingleStep(500);
  interval->setPageStep(500);
  QLabel* intervalLabel = addLabel(this, tr("Интервал \n (шаг 0.5с):"), 10, 170);
  intervalLabel->setBuddy(interval);
  // The values go where the captions leave room before the track bars:
  // «речи: 90 %», «Интервал 2,0 с».
  speechSpeedValue = ruzdo::addValueLabel(speedLabel, "lSpeechSpeed", 1, speechSpeed->x());
  intervalValue = ruzdo::addValueLabel(intervalLabel, "lTimerInterval", 0, interval->x());

  maxQuestion =
      addSpin(this, "sMaxQuestion", tr("Количество вопросов"), 180, 210, 101, 21, 0, 10000, 100);
  addLabel(this, tr("Количество вопросов:"), 10, 215)->setBuddy(maxQuestion);

  connect(speechSpeed, &QSlider::valueChanged, this, &GenerateGroup::showSliderValues);
  connect(interval, &QSlider::valueChanged, this, &GenerateGroup::showSliderValues);
  showSliderValues();
}

void GenerateGroup::fillCounters() {
  counter->clear();
  counter->addPictureItem(tr("Нет"), nullptr, tr("Нет"));
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
    counter->addPictureItem(QStringLiteral("--"), CounterImage(t), description);
  }
  counter->setCurrentIndex(0);
  nameCounter();
}

void GenerateGroup::releaseCounterPictures() {
  for (int i = 1; i < counter->count(); ++i) ReleaseCounterImage(static_cast<TTani>(i));
}

void GenerateGroup::nameCounter() {
  // The entries all read "--": the name tells a screen reader which counter it is.
  const QString chosen = counter->currentData(Qt::AccessibleTextRole).toString();
  counter->setAccessibleName(tr("Счетный суффикс: %1").arg(chosen));
}

void GenerateGroup::enableFor(ruzdo::DrillMode mode) {
  pattern->setEnabled(mode == ruzdo::DrillMode::kSequences);
  counter->setEnabled(mode == ruzdo::DrillMode::kNumbers);
  minRuzdo->setEnabled(!ruzdo::IsLesson(mode));
  maxRuzdo->setEnabled(!ruzdo::IsLesson(mode));
}

bool GenerateGroup::rangeAccepted() const { return maxRuzdo->value() - minRuzdo->value() < 100; }

QString GenerateGroup::templateRefusal(
    const std::function<bool(const std::string&)>& readable) const {
  // The grid ends with at least one plate, however the bounds stand.
  const int plates = std::max(1, maxRuzdo->value() - minRuzdo->value() + 1);
  return ruzdo::TemplateRefusal(pattern->text(), plates, readable);
}

void GenerateGroup::acceptTemplate() { acceptedPattern_ = pattern->text(); }

void GenerateGroup::revertTemplate() { pattern->setText(acceptedPattern_); }

void GenerateGroup::applyTo(TRuzdoPole& grid, ruzdo::DrillMode mode) const {
  grid.SetTani(mode == ruzdo::DrillMode::kNumbers ? static_cast<TTani>(counter->currentIndex())
                                                  : tanNone);
  grid.SetTemplate(mode == ruzdo::DrillMode::kSequences ? pattern->text() : QString());
  grid.SetMinRuzdo(minRuzdo->value());
  grid.SetMaxRuzdo(maxRuzdo->value());
}

void GenerateGroup::showRange(const TRuzdoPole& grid) {
  minRuzdo->setValue(grid.MinRuzdo());
  maxRuzdo->setValue(grid.MaxRuzdo());
}

void GenerateGroup::showSliderValues() {
  const QString speed = QString::fromStdString(ruzdo::SpeechSpeedText(speechSpeed->value()));
  // "2,14 с" as the interface's language writes it ("2.14 s").
  const QString written = QString::fromStdString(ruzdo::IntervalText(interval->value()));
  const QString number = written.section(QLatin1Char(' '), 0, 0);
  const QString shown = tr("%1,%2 с").arg(number.section(QLatin1Char(','), 0, 0),
                                          number.section(QLatin1Char(','), 1, 1));
  speechSpeedValue->setText(speed);
  intervalValue->setText(shown);
  speechSpeed->setAccessibleName(tr("Скорость речи: %1").arg(speed));
  interval->setAccessibleName(tr("Интервал: %1").arg(shown));
  speechSpeed->setToolTip(speed);
  interval->setToolTip(shown);
}
