// The drill: questions at each tick, answers, errors, the flash, pause and
// stop, the question limit, both modes and a synthesis failure.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/random_source.h"
#include "drill_fixture.h"
#include "widgets/group_bar_group.h"
#include "widgets/image_button.h"
#include "widgets/plate_button.h"

namespace {
const QColor kRed(0xFF, 0x00, 0x00);

QColor errorPanel(TMainForm& f) { return f.pErr->palette().color(QPalette::Window); }
bool running(TMainForm& f) { return !f.bStart->isEnabled(); }
void click(TMainForm& f, int plate) {
  QTest::mouseClick(f.RuzdoPole->Plates()[static_cast<std::size_t>(plate)], Qt::LeftButton);
}
}  // namespace

class TestDrill : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    ruzdo::SeedRandom(11);
    d = std::make_unique<DrillFixture>();
  }
  void cleanup() { d.reset(); }

  void limitThreeWithoutClicksEndsAtThreeAndThree() {
    TMainForm& f = d->form;
    f.sMaxQuestion->setValue(3);
    f.bStartClick();
    QVERIFY(running(f));
    QVERIFY(f.tMain->isActive());
    QVERIFY(!f.gGenerate->isEnabled() && !f.gRuzdoPoleSetting->isEnabled() &&
            !f.gEasy->isEnabled());
    for (int tick = 0; tick < 4; ++tick) f.tMainTimer();
    QCOMPARE(f.lAll->text(), QStringLiteral("3"));
    QCOMPARE(f.lErr->text(), QStringLiteral("3"));
    QVERIFY(!running(f));
    QVERIFY(!f.tMain->isActive());
    QVERIFY(f.gGenerate->isEnabled() && f.gEasy->isEnabled());
    QCOMPARE(d->output.played.size(), 3);
  }

  void limitZeroStopsAtTheFirstTick() {
    TMainForm& f = d->form;
    f.sMaxQuestion->setValue(0);
    f.bStartClick();
    f.tMainTimer();
    QVERIFY(!running(f));
    QCOMPARE(d->engine.calls.size(), 0);
    QCOMPARE(f.lAll->text(), QStringLiteral("0"));
  }

  void onlyTheFirstClickCounts() {
    TMainForm& f = d->form;
    f.bStartClick();
    f.tMainTimer();
    const int asked = f.LastNumber;
    click(f, asked);             // right
    click(f, (asked + 1) % 10);  // wrong, but too late
    QCOMPARE(f.ErrorCount, 0);
    QCOMPARE(d->output.beeps, 0);
  }

  void wrongClickBeepsFlashesAndCountsOnce() {
    TMainForm& f = d->form;
    f.bStartClick();
    f.tMainTimer();
    click(f, (f.LastNumber + 1) % 10);
    QCOMPARE(d->output.beeps, 1);
    QCOMPARE(f.lErr->text(), QStringLiteral("1"));
    QCOMPARE(errorPanel(f), kRed);
    QVERIFY(f.tMarker->isActive());
    f.tMarkerTimer();
    QCOMPARE(errorPanel(f), f.gInfo->palette().color(QPalette::Window));
    QVERIFY(!f.tMarker->isActive());
    f.tMainTimer();  // the answered question is not counted again
    QCOMPARE(f.ErrorCount, 1);
    // The flash also ends by itself after 300 ms.
    click(f, (f.LastNumber + 1) % 10);
    QCOMPARE(errorPanel(f), kRed);
    QTRY_COMPARE_WITH_TIMEOUT(errorPanel(f), f.gInfo->palette().color(QPalette::Window), 2000);
  }

  void aClickBeforeTheFirstQuestionIsAnError() {
    TMainForm& f = d->form;
    f.bStartClick();
    click(f, 0);
    QCOMPARE(f.ErrorCount, 1);
    f.tMainTimer();  // LastNumber was -1: no unanswered question to count
    QCOMPARE(f.ErrorCount, 1);
    QCOMPARE(f.QuestionCount, 1);
    QVERIFY(!f.Answered);
  }

  void aOneNumberRangeAsksOnlyThatNumber() {
    TMainForm& f = d->form;
    f.sMinRuzdo->setValue(5);
    f.sMaxRuzdo->setValue(5);
    f.bStartClick();
    for (int i = 0; i < 5; ++i) {
      f.tMainTimer();
      QCOMPARE(f.LastNumber, 5);
      f.Answered = true;
    }
  }

  void pauseListensAndResumes() {
    TMainForm& f = d->form;
    f.bPauseClick();  // idle: nothing happens
    QVERIFY(!f.tMain->isActive());
    f.bStartClick();
    f.tMainTimer();
    f.bPauseClick();
    QVERIFY(!f.tMain->isActive());
    QVERIFY(running(f));
    const int calls = d->engine.calls.size() + d->output.played.size();
    click(f, (f.LastNumber + 1) % 10);  // spoken, not judged
    QCOMPARE(f.ErrorCount, 0);
    QVERIFY(d->engine.calls.size() + d->output.played.size() > calls);
    f.bPauseClick();
    QVERIFY(f.tMain->isActive());
    QCOMPARE(f.tMain->remainingTime() > f.tMain->interval() - 200, true);
    f.bStopClick();
    QVERIFY(!running(f));
    f.bStopClick();  // idle: changes nothing
    QVERIFY(!running(f) && f.gGenerate->isEnabled());
  }

  void digitModeWithAnEmptyTemplateIsAlwaysRight() {
    TMainForm& f = d->form;
    f.sTemplate->setText(QString());
    f.gEasyItems1Click();
    f.bStartClick();
    for (int i = 0; i < 4; ++i) {
      f.tMainTimer();
      click(f, i);
    }
    QCOMPARE(f.ErrorCount, 0);
    QCOMPARE(d->engine.calls.last().text, QByteArray("<NUM VAL=>"));
  }

  void digitModeJudgesTheCaption() {
    TMainForm& f = d->form;
    f.sTemplate->setText(QStringLiteral("_-__"));
    f.gEasyItems1Click();
    f.bStartClick();
    f.tMainTimer();
    QCOMPARE(d->engine.calls.last().text, "<NUM VAL=" + f.LastText.toLatin1() + ">");
    int wrong = -1;
    for (int i = 0; i < 10; ++i)
      if (f.RuzdoPole->Plates()[static_cast<std::size_t>(i)]->text() != f.LastText) wrong = i;
    QVERIFY(wrong >= 0);
    click(f, wrong);
    QCOMPARE(f.ErrorCount, 1);
    // Stopping gives the controls back their own states: the template stays
    // enabled, the picker disabled.
    f.bStopClick();
    QVERIFY(f.sTemplate->isEnabled());
    QVERIFY(!f.sTani->isEnabled());
  }

  void aFailedSynthesisIsCountedOnceItsBoxIsClosed() {
    TMainForm& f = d->form;
    d->engine.fail = true;
    f.bStartClick();
    QString seen;
    int nestedTicks = 0;
    QTimer::singleShot(0, [&] {
      // While the box is open, further ticks do not run inside the first.
      const int before = f.QuestionCount;
      f.tMainTimer();
      nestedTicks = f.QuestionCount - before;
      DrillFixture::acceptNextBox(&seen);
    });
    f.tMainTimer();
    QCOMPARE(seen, QStringLiteral("Err"));
    QCOMPARE(nestedTicks, 0);
    QCOMPARE(f.QuestionCount, 1);
    QCOMPARE(f.lAll->text(), QStringLiteral("1"));
    d->engine.fail = false;
    f.tMainTimer();  // the next tick goes on normally
    QCOMPARE(f.QuestionCount, 2);
  }

 private:
  std::unique_ptr<DrillFixture> d;
};

QTEST_MAIN(TestDrill)
#include "test_drill.moc"
