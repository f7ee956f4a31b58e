#pragma once

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "Unit1.h"
#include "fake_speech.h"
#include "widgets/elided_label.h"
#include "widgets/plate_button.h"

// A main window wired to a fake engine and a fake sound output.
struct DrillFixture {
  FakeEngine engine;
  FakeOutput output;
  TMainForm form;

  DrillFixture() {
    form.setSpeechEngine(engine.seam());
    form.setSoundOutput(&output);
    form.resize(930, 631);
    form.show();
  }
  ~DrillFixture() { output.drop(); }

  // Numbers with counter tani from min to max, questions enough for any run.
  void setRange(TTani tani, int min, int max) {
    form.sTani->setCurrentIndex(tani);
    form.sMinRuzdo->setValue(min);
    form.sMaxRuzdo->setValue(max);
    form.sMaxQuestion->setValue(1000);
    form.ApplySettings();
  }
  void clickPlate(std::size_t i) { QTest::mouseClick(form.RuzdoPole->Plates()[i], Qt::LeftButton); }
  // The text and the voice of the sound played last.
  QByteArray lastText() const { return FakeEngine::textOf(output.played.last()); }
  QByteArray lastVoice() const { return FakeEngine::voiceOf(output.played.last()); }

  // Accepts the next modal message box once it shows, remembering its text.
  static void acceptNextBox(QString* seen) {
    QTimer::singleShot(0, [seen] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        if (seen) *seen = box->text();
        box->accept();
      }
    });
  }
};
