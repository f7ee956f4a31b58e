// The drill: questions at each tick, answers, errors, the flash, pause and
// stop, the question limit, both modes and a synthesis failure.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/question_timing.h"
#include "core/random_source.h"
#include "drill_fixture.h"
#include "platform/message_box.h"
#include "training_options_window.h"
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

  // Each lesson: the panel's range, counter and template unused, the
  // interval after speech on; every question brings its own plates, the said
  // item among them, judged by caption; back in the numbers mode all is as
  // it was.
  void lessonsAskTheirItems_data() {
    QTest::addColumn<int>("lesson");
    for (int m = int(ruzdo::kFirstLesson); m <= int(ruzdo::kLastLesson); ++m)
      QTest::addRow("lesson %d", m) << m;
  }
  void lessonsAskTheirItems() {
    QFETCH(int, lesson);
    TMainForm& f = d->form;
    d->setRange(tanHon, 0, 9);
    f.SwitchMode(static_cast<ruzdo::DrillMode>(lesson));
    for (QWidget* unused :
         std::initializer_list<QWidget*>{f.sMinRuzdo, f.sMaxRuzdo, f.sTani, f.sTemplate})
      QVERIFY(!unused->isEnabled());
    QVERIFY(f.fOptions->afterSpeechInForce());
    QCOMPARE(f.RuzdoPole->Plates().size(), std::size_t(6));  // two columns, three rows
    f.bStartClick();
    QStringList before;
    for (int question = 0; question < 3; ++question) {
      f.tMainTimer();
      QStringList shown;
      for (PlateButton* p : f.RuzdoPole->Plates()) shown << p->text();
      QVERIFY(shown != before);
      before = shown;
      QCOMPARE(shown.count(f.LastText()), 1);
      QVERIFY(!d->engine.calls.isEmpty());
      click(f, int(shown.indexOf(f.LastText())));
      QCOMPARE(f.ErrorCount, 0);
    }
    f.bStopClick();
    f.gEasyItems0Click();
    QVERIFY(f.sMinRuzdo->isEnabled() && f.sTani->isEnabled());
    QVERIFY(!f.fOptions->afterSpeechInForce());
    QCOMPARE(f.RuzdoPole->Plates()[9]->text(), QStringLiteral("9"));
  }

  void digitModeNeverRunsOnBlankPlates() {
    TMainForm& f = d->form;
    f.gEasyItems1Click();
    f.sTemplate->setText(QString());
    QString seen;
    DrillFixture::acceptNextBox(&seen);
    f.bStartClick();
    QVERIFY(seen.startsWith(QStringLiteral("Шаблон")));
    QVERIFY(!running(f));
    QVERIFY(!f.tMain->isActive());
  }

  void digitModeJudgesTheCaption() {
    TMainForm& f = d->form;
    f.sTemplate->setText(QStringLiteral("_-__"));
    f.gEasyItems1Click();
    f.bStartClick();
    f.tMainTimer();
    QCOMPARE(d->engine.calls.last().text, "<NUM VAL=" + f.LastText().toLatin1() + ">");
    int wrong = -1;
    for (int i = 0; i < 10; ++i)
      if (f.RuzdoPole->Plates()[static_cast<std::size_t>(i)]->text() != f.LastText()) wrong = i;
    QVERIFY(wrong >= 0);
    click(f, wrong);
    QCOMPARE(f.ErrorCount, 1);
    // Stopping gives the controls back their own states: the template stays
    // enabled, the picker disabled.
    f.bStopClick();
    QVERIFY(f.sTemplate->isEnabled());
    QVERIFY(!f.sTani->isEnabled());
  }

  void aFailedSynthesisShowsErrOnceAndStopsTheRun() {
    TMainForm& f = d->form;
    d->engine.fail = true;
    f.sTimerInterval->setValue(100);
    f.bStartClick();
    int boxes = 0;
    QString seen;
    int boxWidth = 0;
    // Closes every box that opens, as a user clicking OK would.
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ++boxes;
        seen = box->text();
        boxWidth = box->width();
        box->accept();
      }
    });
    closer.start(10);
    QTest::qWait(1000);  // ten intervals
    QCOMPARE(boxes, 1);
    QCOMPARE(seen, QStringLiteral("Err"));
    QVERIFY2(boxWidth >= ruzdo::kMinMessageWidth,
             qPrintable(QString::number(boxWidth)));  // room for its title
    QVERIFY(!running(f));
    QVERIFY(!f.tMain->isActive());
    QCOMPARE(f.QuestionCount, 1);
  }

  void aSecondErrorDoesNotProlongTheFlash() {
    TMainForm& f = d->form;
    f.RegisterError();
    QCOMPARE(errorPanel(f), kRed);
    QTest::qWait(150);
    const int left = f.tMarker->remainingTime();
    f.RegisterError();
    QCOMPARE(f.ErrorCount, 2);
    QVERIFY(f.tMarker->remainingTime() <= left);
    QTRY_VERIFY(errorPanel(f) != kRed);
    // Unfilled again: the panel shows the group box's face.
    QVERIFY(!f.pErr->autoFillBackground());
  }

  void theFirstQuestionComesOneFullIntervalAfterStartAndResume() {
    TMainForm& f = d->form;
    f.sTimerInterval->setValue(500);
    QElapsedTimer clock;
    const auto waitForQuestion = [&](qsizetype calls) {
      QTRY_COMPARE_WITH_TIMEOUT(d->engine.calls.size(), calls, 10000);
    };
    for (int round = 0; round < 3; ++round) {
      clock.start();
      f.bStartClick();
      waitForQuestion(round * 2 + 1);
      QVERIFY2(clock.elapsed() >= 500, qPrintable(QString::number(clock.elapsed())));
      f.bPauseClick();
      clock.start();
      f.bPauseClick();  // resume
      waitForQuestion(round * 2 + 2);
      QVERIFY2(clock.elapsed() >= 500, qPrintable(QString::number(clock.elapsed())));
      f.bStopClick();
    }
  }

  // «Интервал после речи»: off, the ticks keep the interval; on (or forced
  // on with the box unchecked), the next question waits the interval after
  // the end of the sound (here 0.1 s).
  void intervalAfterSpeech_data() {
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("forced");
    QTest::addColumn<int>("wait");
    QTest::newRow("off") << false << false << 2000;
    QTest::newRow("on") << true << false << 2100;
    QTest::newRow("forced") << false << true << 2100;
  }
  void intervalAfterSpeech() {
    QFETCH(bool, checked);
    QFETCH(bool, forced);
    QFETCH(int, wait);
    TMainForm& f = d->form;
    d->engine.wav = true;
    f.fOptions->afterSpeech->setChecked(checked);
    f.fOptions->forceAfterSpeech(forced);
    QCOMPARE(f.fOptions->afterSpeech->isChecked(), checked || forced);
    f.bStartClick();
    f.tMainTimer();
    QCOMPARE(f.tMain->interval(), wait);
    QVERIFY(f.tMain->isActive());
    f.bStopClick();
    QCOMPARE(f.tMain->interval(), 2000);
    f.fOptions->forceAfterSpeech(false);
    QCOMPARE(f.fOptions->afterSpeech->isChecked(), checked);
  }

  // Whatever the settings, a question is heard out: one longer than the
  // time to the next tick makes that tick wait for its end and a second to
  // answer; one that fits keeps the interval exactly (3 in 7 s at 2 s); a
  // question whose sound has not started yet holds its tick back.
  void aQuestionIsNeverCutOff_data() {
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("soundMs");
    QTest::addColumn<int>("wait");
    QTest::newRow("fits: the designed interval") << 2000 << 100 << 2000;
    QTest::newRow("a phone number at 2 s") << 2000 << 3900 << 4900;
    QTest::newRow("at the shortest interval") << 100 << 300 << 1300;
    QTest::newRow("fits a long interval") << 5000 << 3900 << 5000;
  }
  void aQuestionIsNeverCutOff() {
    QFETCH(int, interval);
    QFETCH(int, soundMs);
    QFETCH(int, wait);
    TMainForm& f = d->form;
    d->engine.wav = true;
    d->engine.wavMs = soundMs;
    f.sTimerInterval->setValue(interval);
    f.bStartClick();
    for (int question = 1; question <= 3; ++question) {
      f.tMainTimer();
      QCOMPARE(f.QuestionCount, question);
      QCOMPARE(f.tMain->interval(), wait);
    }
    f.bStopClick();
    QCOMPARE(f.tMain->interval(), interval);
  }
  void aTickWaitsForASoundNotYetStarted() {
    TMainForm& f = d->form;
    d->engine.gated = true;  // the plates made ahead wait too
    f.setSpeechOnWorker(true);
    f.bStartClick();
    f.tMainTimer();
    QTRY_VERIFY(f.speechPending());
    f.tMainTimer();  // held back: the question is not yet heard
    QCOMPARE(f.QuestionCount, 1);
    QCOMPARE(f.ErrorCount, 0);
    d->engine.open();
    QTRY_VERIFY(!f.speechPending());
    QCOMPARE(f.tMain->interval(), ruzdo::kLeastAnswerMs);  // a sound of no length, then a second
    f.tMainTimer();
    QCOMPARE(f.QuestionCount, 2);
    QCOMPARE(f.tMain->interval(), 2000);
  }

  // The run's state shows: Start and Pause drawn disabled when they do
  // nothing, «Пауза» while paused, a summary when the run ends; a question
  // open when it is stopped is named, not judged; a marked right plate after
  // a miss with «Показывать верный ответ».
  void theRunsStateAndSummary() {
    TMainForm& f = d->form;
    f.fOptions->showAnswer->setChecked(true);
    f.sMinRuzdo->setValue(6);
    f.sMaxRuzdo->setValue(7);
    f.sMaxQuestion->setValue(3);
    f.sTani->setCurrentIndex(tanZi);
    const QImage idleStart = f.bStart->grab().toImage();
    QVERIFY(!f.bPause->isEnabled());
    QApplication::setActiveWindow(&f);
    f.sMinRuzdo->setFocus();
    QCOMPARE(QApplication::focusWidget(), f.sMinRuzdo);
    f.bStartClick();
    QVERIFY(f.bPause->isEnabled());
    QVERIFY(f.bStart->grab().toImage() != idleStart);
    QCOMPARE(qobject_cast<PlateButton*>(QApplication::focusWidget()), f.RuzdoPole->Plates()[0]);
    const auto plateOf = [&](int value) { return f.RuzdoPole->Plates()[value == 6 ? 0 : 1]; };
    const auto marked = [&]() -> PlateButton* {
      for (PlateButton* p : f.RuzdoPole->Plates())
        if (p->accessibleDescription() == QStringLiteral("Верный ответ")) return p;
      return nullptr;
    };
    f.tMainTimer();
    const int first = f.LastNumber;
    QTest::mouseClick(plateOf(13 - first), Qt::LeftButton);  // wrong
    QCOMPARE(marked(), plateOf(first));
    f.tMainTimer();
    QCOMPARE(marked(), nullptr);  // gone with the next question
    QTest::mouseClick(plateOf(f.LastNumber), Qt::LeftButton);
    f.bPauseClick();
    QVERIFY(f.lRunState->isVisible());
    QCOMPARE(f.lRunState->accessibleName(), QStringLiteral("Пауза"));
    f.bPauseClick();
    QVERIFY(!f.lRunState->isVisible());
    f.tMainTimer();
    const QString third = QString::number(f.LastNumber);
    f.bStopClick();
    // The values missed with their counter word, as said.
    QCOMPARE(f.lRunState->accessibleName(),
             QStringLiteral("Итог: 1 из 2; ошибки: %1時 ×1").arg(first));
    QCOMPARE(f.lRunState->toolTip(), f.lRunState->accessibleName());
    QVERIFY(f.lSaid->accessibleName().startsWith(QStringLiteral("Сказано: ") + third + "時; "));
    QVERIFY(!f.bPause->isEnabled());
    QCOMPARE(f.bStart->grab().toImage(), idleStart);
  }

  // With fewer rows than the plates need, the right plate marked after a
  // miss is scrolled into view.
  void theMarkedRightPlateComesIntoView() {
    TMainForm& f = d->form;
    f.fOptions->showAnswer->setChecked(true);
    f.sCols->setValue(3);
    f.sRows->setValue(2);
    d->setRange(tanNone, 0, 10);
    f.bStartClick();
    do f.tMainTimer();
    while (f.LastNumber < 6);  // a plate below the grid
    PlateButton* right = f.RuzdoPole->Plates()[static_cast<std::size_t>(f.LastNumber)];
    QVERIFY(!f.RuzdoPole->rect().contains(right->geometry()));
    d->clickPlate(0);
    QCOMPARE(right->accessibleDescription(), QStringLiteral("Верный ответ"));
    QVERIFY(f.RuzdoPole->rect().contains(right->geometry()));
  }

  // A run stopped after a miss leaves its right plate green; the grid is then
  // rebuilt (Start applies the settings, Apply a new range, the sequence
  // mode its new plates) and the mark must go with the plate that held it:
  // the next Start clears no plate that is gone.
  void aMarkLeftAtTheRunsEndGoesWithItsGrid_data() {
    QTest::addColumn<bool>("sequences");
    QTest::addColumn<bool>("applyBefore");
    QTest::newRow("numbers, Start") << false << false;
    QTest::newRow("numbers, Apply then Start") << false << true;
    QTest::newRow("sequences, Start") << true << false;
  }
  void aMarkLeftAtTheRunsEndGoesWithItsGrid() {
    QFETCH(bool, sequences);
    QFETCH(bool, applyBefore);
    TMainForm& f = d->form;
    f.fOptions->showAnswer->setChecked(true);
    if (sequences) {
      f.sTemplate->setText(QStringLiteral("__"));
      f.gEasyItems1Click();
    }
    const auto marked = [&] {
      int n = 0;
      for (PlateButton* p : f.RuzdoPole->Plates())
        n += p->accessibleDescription() == QStringLiteral("Верный ответ");
      return n;
    };
    for (int run = 0; run < 3; ++run) {
      f.bStart->click();
      QVERIFY(running(f));
      QCOMPARE(marked(), 0);
      f.tMainTimer();
      for (PlateButton* p : f.RuzdoPole->Plates())
        if (sequences ? p->text() != f.LastText() : p->property("Tag").toInt() != f.LastNumber) {
          QTest::mouseClick(p, Qt::LeftButton);  // wrong: the right plate turns green
          break;
        }
      f.bStop->click();
      QCOMPARE(marked(), 1);
      if (applyBefore) {
        f.sMaxRuzdo->setValue(9 - run % 2);
        f.sApply->click();
      }
    }
  }

  void startIsRefusedWithTheSettings() {
    TMainForm& f = d->form;
    f.sMaxRuzdo->setValue(150);
    QString seen;
    DrillFixture::acceptNextBox(&seen);
    f.bStartClick();
    QVERIFY(seen.startsWith(QStringLiteral("Разница")));
    QVERIFY(!running(f));
    QVERIFY(!f.tMain->isActive());
  }

 private:
  std::unique_ptr<DrillFixture> d;
};

QTEST_MAIN(TestDrill)
#include "test_drill.moc"
