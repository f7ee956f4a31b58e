#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "Unit1.h"
#include "fake_speech.h"
#include "widgets/elided_label.h"

// A main window wired to a fake engine and a fake sound output.
struct DrillFixture {
  FakeEngine engine;
  FakeOutput output;
  TMainForm form;

  DrillFixture() {
    form.setSpeechEngine([this](const char* k, int s, int* n) { return engine.synthe(k, s, n); },
                         [this](unsigned char* p) { engine.release(p); });
    form.setSoundOutput(&output);
    form.resize(930, 631);
    form.show();
  }
  ~DrillFixture() { output.drop(); }

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
