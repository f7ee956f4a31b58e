// A drill without the mouse: keys for the run buttons, the focus brought back
// to the plates, and the values of the track bars in words.
#include <QLabel>
#include <QShortcut>
#include <QSlider>

#include "Unit1.h"
#include "core/value_text.h"
#include "widgets/image_button.h"
#include "widgets/plate_button.h"

void TMainForm::buildKeyboard() {
  // Function keys, the same on every keyboard layout, beside F5 (replay);
  // the toolkit binds none of them on its own. Form-wide, so that they work
  // with the settings column folded away too.
  const struct {
    ImageButton* button;
    QList<QKeySequence> keys;
    QString tip;
  } runKeys[] = {
      {bStart, {QKeySequence(Qt::Key_F6)}, tr("Start: начать (F6)")},
      {bPause,
       {QKeySequence(Qt::Key_F7), QKeySequence(Qt::Key_Pause)},
       tr("Pause: пауза и продолжение (F7, Pause)")},
      {bStop, {QKeySequence(Qt::Key_F8)}, tr("Stop: остановить (F8)")},
  };
  for (const auto& k : runKeys) {
    k.button->setToolTip(k.tip);
    k.button->setAccessibleDescription(k.tip);
    for (const QKeySequence& key : k.keys) {
      auto* shortcut = new QShortcut(key, this);
      ImageButton* button = k.button;
      connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled()) button->animateClick();
      });
    }
  }

  connect(sSpechSpeed, &QSlider::valueChanged, this, &TMainForm::showSliderValues);
  connect(sTimerInterval, &QSlider::valueChanged, this, &TMainForm::showSliderValues);
  showSliderValues();
}

void TMainForm::focusPlatesIfLost(const QPointer<QWidget>& before) {
  // The focus was on a control that has just been disabled (the toolkit
  // passes it on to whatever comes next, or to none), or on none: it goes to
  // the plates, where the answers are given.
  const QWidget* now = focusWidget();
  const auto& plates = RuzdoPole->Plates();
  if ((!before || !before->isEnabled() || !now || !now->isEnabled()) && !plates.empty())
    plates.front()->setFocus(Qt::OtherFocusReason);
}

void TMainForm::showSliderValues() {
  const QString speed = QString::fromStdString(ruzdo::SpeechSpeedText(sSpechSpeed->value()));
  // "2,14 с" as the interface's language writes it ("2.14 s").
  const QString written = QString::fromStdString(ruzdo::IntervalText(sTimerInterval->value()));
  const QString number = written.section(QLatin1Char(' '), 0, 0);
  const QString interval = tr("%1,%2 с").arg(number.section(QLatin1Char(','), 0, 0),
                                             number.section(QLatin1Char(','), 1, 1));
  lSpeechSpeed->setText(speed);
  lTimerInterval->setText(interval);
  sSpechSpeed->setAccessibleName(tr("Скорость речи: %1").arg(speed));
  sTimerInterval->setAccessibleName(tr("Интервал: %1").arg(interval));
  sSpechSpeed->setToolTip(speed);
  sTimerInterval->setToolTip(interval);
}
