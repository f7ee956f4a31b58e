// Speech output: number and sequence texts for the engine, synthesis and playback.
#include <QApplication>
#include <QByteArray>

#include "Unit1.h"

void TMainForm::SpeakNumber(std::int32_t value, std::int32_t speed) {
  (void)value;
  (void)speed;
}

void TMainForm::SpeakSequence(const QString& text, std::int32_t speed) {
  (void)text;
  (void)speed;
}

void TMainForm::Speak(const QByteArray& text, std::int32_t speed) {
  (void)text;
  (void)speed;
}

void TMainForm::Beep() { QApplication::beep(); }
