// The main window as it starts: controls, values, ranges, enabled states,
// geometry, and what resizing and the hot spots do.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "Unit1.h"
#include "onsei/onsei.h"
#include "training_options_window.h"
#include "widgets/group_bar.h"
#include "widgets/group_bar_group.h"
#include "widgets/group_bar_item.h"
#include "widgets/image_button.h"
#include "widgets/pane_splitter.h"
#include "widgets/pane_splitter_handle.h"
#include "widgets/plate_button.h"

class TestMainWindow : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    form = new TMainForm;
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
  }
  void cleanup() { delete form; }

  void windowAndPanes() {
    QCOMPARE(form->windowTitle(), QStringLiteral("Ruzdo"));
    QCOMPARE(form->size(), QSize(930, 631));
    QCOMPARE(form->RzGroupBar1->width(), 164);
    QCOMPARE(form->RuzdoPole->size(), QSize(452, 629));
    QCOMPARE(form->pSetting->width(), 298);
    QCOMPARE(form->pRunButtons->height(), 112);
    QCOMPARE(form->gGenerate->geometry(), QRect(0, 0, 296, 241));
    QCOMPARE(form->gRuzdoPoleSetting->geometry(), QRect(1, 245, 294, 121));
    QCOMPARE(form->gInfo->geometry(), QRect(1, 370, 294, 105));
    // What a run shows lies below the counts, inside the group.
    QVERIFY(form->pRunLines->geometry().top() >= form->pErr->geometry().bottom());
    QVERIFY(form->gInfo->rect().contains(form->pRunLines->geometry()));
    QCOMPARE(form->RuzdoPole->Plates().size(), size_t{10});
  }

  // On a small screen (640 x 480) the group boxes scroll at their own width:
  // «Статистика» and the whole of «Применить» and «Отмена» can be reached.
  void aShortWindowScrollsTheSettings() {
    form->resize(632, 451);
    QScrollBar* bar = form->pGroupsScroll->verticalScrollBar();
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(form->pGroups->width(), 296);
    for (QWidget* w : {static_cast<QWidget*>(form->sApply), static_cast<QWidget*>(form->sCancel),
                       static_cast<QWidget*>(form->gInfo)}) {
      form->pGroupsScroll->ensureWidgetVisible(w, 0, 0);
      const QRect shown(w->mapTo(form->pGroupsScroll->viewport(), QPoint(0, 0)), w->size());
      QVERIFY(form->pGroupsScroll->viewport()->rect().contains(shown));
    }
    form->resize(930, 631);
    QTRY_VERIFY(!bar->isVisible());
    QCOMPARE(form->pSetting->width(), 298);
  }

  void groupBar() {
    QCOMPARE(form->gEasy->caption(), QStringLiteral("Простые"));
    QCOMPARE(form->gMid->caption(), QStringLiteral("Средние"));
    QCOMPARE(form->gDifficult->caption(), QStringLiteral("Сложные"));
    QCOMPARE(form->RzGroup1->caption(), QStringLiteral("Справка"));
    QCOMPARE(form->gEasy->item(0)->text(), QStringLiteral("Числа"));
    QCOMPARE(form->gEasy->item(1)->text(), QStringLiteral("Последовательности чисел"));
    QCOMPARE(form->RzGroup1->item(0)->text(), QStringLiteral("О программе"));
    // The lessons: four of middle difficulty, two hard ones.
    QCOMPARE(form->gMid->itemCount(), 4);
    QCOMPARE(form->gMid->item(0)->text(), QStringLiteral("Время"));
    QCOMPARE(form->gDifficult->itemCount(), 2);
    QCOMPARE(form->gDifficult->item(1)->text(), QStringLiteral("Объявления"));
    // The whole row takes clicks, as the hover marks it: also right of the word.
    GroupBarItem* numbers = form->gEasy->item(0);
    QSignalSpy clicked(numbers, &QAbstractButton::clicked);
    QTest::mouseClick(numbers, Qt::LeftButton, {}, {numbers->width() - 3, numbers->height() / 2});
    QCOMPARE(clicked.count(), 1);
    // A disabled group keeps its look: its disabled colours are its active ones.
    form->gEasy->setEnabled(false);
    const QPalette p = form->gEasy->item(0)->palette();
    QCOMPARE(p.color(QPalette::Disabled, QPalette::WindowText),
             p.color(QPalette::Active, QPalette::WindowText));
  }

  void settingsAtStart_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("sMinRuzdo") << "sMinRuzdo" << 0 << 100000 << 0 << QRect(165, 15, 117, 21);
    QTest::newRow("sMaxRuzdo") << "sMaxRuzdo" << 0 << 100000 << 9 << QRect(165, 35, 117, 21);
    QTest::newRow("sMaxQuestion") << "sMaxQuestion" << 0 << 10000 << 100
                                  << QRect(180, 210, 101, 21);
    QTest::newRow("sCols") << "sCols" << 0 << 100 << 2 << QRect(180, 15, 102, 21);
    QTest::newRow("sRows") << "sRows" << 0 << 100 << 0 << QRect(180, 35, 102, 21);
    QTest::newRow("sIndention") << "sIndention" << 0 << 100 << 0 << QRect(180, 55, 102, 21);
  }
  void settingsAtStart() {
    QFETCH(QString, name);
    auto* spin = form->findChild<QSpinBox*>(name);
    QVERIFY(spin);
    QFETCH(int, min);
    QCOMPARE(spin->minimum(), min);
    QFETCH(int, max);
    QCOMPARE(spin->maximum(), max);
    QFETCH(int, value);
    QCOMPARE(spin->value(), value);
    QFETCH(QRect, geometry);
    QCOMPARE(spin->geometry(), geometry);
    QVERIFY(spin->isEnabled());
    QVERIFY(!spin->accessibleName().isEmpty());
  }

  void otherControlsAtStart() {
    QCOMPARE(form->sTani->count(), kTaniCount);
    QCOMPARE(form->sTani->currentIndex(), 0);
    QVERIFY(form->sTani->isEnabled());
    // With no counter the picker reads «Нет», not an empty box: dark ink left
    // of its arrow.
    const QImage picker = form->sTani->grab().toImage();
    int ink = 0;
    for (int y = 4; y < picker.height() - 4; ++y)
      for (int x = 4; x < picker.width() / 2; ++x) ink += qGray(picker.pixel(x, y)) < 96;
    QVERIFY2(ink > 10, qPrintable(QString::number(ink)));
    QCOMPARE(form->sTemplate->text(), QStringLiteral("_-__"));
    QVERIFY(!form->sTemplate->isEnabled());
    QCOMPARE(form->sSpechSpeed->minimum(), 50);
    QCOMPARE(form->sSpechSpeed->maximum(), 200);
    QCOMPARE(form->sSpechSpeed->value(), 90);
    QCOMPARE(form->sTimerInterval->minimum(), 100);
    QCOMPARE(form->sTimerInterval->maximum(), 10000);
    QCOMPARE(form->sTimerInterval->value(), 2000);
    // The keyboard moves the interval by its stated step of 0.5 s.
    QCOMPARE(form->sTimerInterval->singleStep(), 500);
    QCOMPARE(form->sTimerInterval->pageStep(), 500);
    QCOMPARE(form->lAll->text(), QStringLiteral("0"));
    QCOMPARE(form->lErr->text(), QStringLiteral("0"));
    QVERIFY(!form->tMain->isActive());
    QCOMPARE(form->tMain->interval(), 2000);
    QCOMPARE(form->tMarker->interval(), 300);
    QCOMPARE(form->bStart->geometry(), QRect(0, 0, 100, 68));
    QCOMPARE(form->bStop->geometry(), QRect(195, 0, 100, 68));
    QCOMPARE(form->bPause->geometry(), QRect(65, 45, 164, 68));
    QCOMPARE(form->Mode, ruzdo::DrillMode::kNumbers);
    QCOMPARE(form->LastNumber, -1);
  }

  // The voice picker lists every voice of the engine by a Russian name that
  // says who speaks and how, then "Разные"; both settings start at what the
  // program always said: the standard voice and the usual readings. They are
  // in «Параметры обучения», which the button beside replay and the «Справка»
  // item open, in their sections; their labels lead to them, and the
  // picker's name tells its value.
  void trainingOptions() {
    QStringList names;
    for (int i = 0; i < form->sVoice->count(); ++i) names << form->sVoice->itemText(i);
    QCOMPARE(names.size(), Onsei_VoiceCount() + 1);
    QCOMPARE(
        names.mid(0, 4),
        (QStringList{QStringLiteral("Мужчина 1, обычный"), QStringLiteral("Мужчина 1, низкий"),
                     QStringLiteral("Мужчина 1, высокий"), QStringLiteral("Мужчина 1, быстрый")}));
    QCOMPARE(names.last(), QStringLiteral("Разные"));
    const QRegularExpression who(QStringLiteral("^(Мужчина|Женщина) [12], [а-я]+$"));
    for (int i = 0; i + 1 < names.size(); ++i)
      QVERIFY2(who.match(names[i]).hasMatch(), qPrintable(names[i]));
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    for (const char* shipped :
         {"Мужчина 2, сердитый", "Женщина 1, радостная", "Женщина 2, грустная"})
      QVERIFY2(names.contains(QString::fromUtf8(shipped)), shipped);
    QCOMPARE(form->sVoice->currentIndex(), 0);
    QCOMPARE(form->sVoice->currentData().toString(), QStringLiteral("standard"));
    QVERIFY(!form->sVariants->isChecked());
    QCOMPARE(form->sVoice->accessibleName(), QStringLiteral("Голос: Мужчина 1, обычный"));
    form->sVoice->setCurrentIndex(form->sVoice->findData(QStringLiteral("mei-happy")));
    QCOMPARE(form->sVoice->accessibleName(), QStringLiteral("Голос: Женщина 1, радостная"));
    // As a screen reader hears it: by its label, then its value.
    QCOMPARE(QAccessible::queryAccessibleInterface(form->sVoice)->text(QAccessible::Name),
             QStringLiteral("Голос: Женщина 1, радостная"));
    QVERIFY(!form->sWeakFirst->isChecked());
    QCOMPARE(form->bOptions->accessibleName(), QStringLiteral("Параметры обучения"));
    QCOMPARE(form->RzGroup1->item(2)->text(), QStringLiteral("Параметры обучения"));
    using S = TrainingOptionsWindow::Section;
    QCOMPARE(form->sVoice->parentWidget(), form->fOptions->box(S::Speaker));
    QCOMPARE(form->sVariants->parentWidget(), form->fOptions->box(S::Said));
    QCOMPARE(form->sWeakFirst->parentWidget(), form->fOptions->box(S::Said));
    QMap<QString, QWidget*> buddies;
    for (QLabel* label : form->fOptions->findChildren<QLabel*>())
      if (label->buddy()) buddies[label->text()] = label->buddy();
    QCOMPARE(buddies.value(QStringLiteral("Голос:")), form->sVoice);
    for (QAbstractButton* opener : {static_cast<QAbstractButton*>(form->bOptions),
                                    static_cast<QAbstractButton*>(form->RzGroup1->item(2))}) {
      form->fOptions->close();
      opener->click();
      QVERIFY(QTest::qWaitForWindowExposed(form->fOptions));
      QVERIFY(!form->fOptions->isModal());
      QCOMPARE(form->fOptions->windowTitle(), QStringLiteral("Параметры обучения"));
      QVERIFY(form->fOptions->box(S::Speaker)->isVisible());
    }
  }

  void tabOrder() {
    const QList<QWidget*> expected = {
        form->bStart, form->bPause,    form->bStop,       form->sMinRuzdo,      form->sMaxRuzdo,
        form->sTani,  form->sTemplate, form->sSpechSpeed, form->sTimerInterval, form->sMaxQuestion,
        form->sCols,  form->sRows,     form->sIndention,  form->sApply,         form->sCancel};
    for (qsizetype i = 1; i < expected.size(); ++i) {
      QWidget* next = expected[i - 1]->nextInFocusChain();
      // Skip what Tab never stops at: labels and the parts inside a control
      // (a spin box's line edit).
      while (next &&
             (next->parentWidget() == expected[i - 1] || !(next->focusPolicy() & Qt::TabFocus)))
        next = next->nextInFocusChain();
      QCOMPARE(next, expected[i]);
    }
  }

  void wideningWidensOnlyTheGrid() {
    form->resize(1230, 700);
    QTRY_COMPARE(form->RuzdoPole->width(), 752);
    QCOMPARE(form->RzGroupBar1->width(), 164);
    QCOMPARE(form->pSetting->width(), 298);
    QCOMPARE(form->RuzdoPole->CellWidth(), 376);
  }

  void hotSpotsCollapseAndRestore_data() {
    QTest::addColumn<int>("bar");  // 1 = the mode menu's bar, 2 = the settings column's
    QTest::newRow("settings column") << 2;
    QTest::newRow("mode menu") << 1;
  }
  void hotSpotsCollapseAndRestore() {
    // Each click goes where the user sees the bar: it stays on screen while
    // its pane is collapsed, and a click on it brings the pane back.
    QFETCH(int, bar);
    PaneSplitter* splitter = bar == 1 ? form->RzSplitter1 : form->RzSplitter2;
    QWidget* pane = bar == 1 ? static_cast<QWidget*>(form->RzGroupBar1) : form->pSetting;
    auto* handle = static_cast<PaneSplitterHandle*>(splitter->handle(1));
    const int width = pane->width();
    const auto clickBarInWindow = [&] {
      const QPoint spot = handle->mapTo(form, handle->hotSpotRect().center());
      QWidget* target = form->childAt(spot);
      QCOMPARE(target, static_cast<QWidget*>(handle));
      QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(form, spot));
    };
    clickBarInWindow();
    QVERIFY(splitter->isCollapsed());
    const int paneIndex = splitter->indexOf(pane);
    QCOMPARE(splitter->sizes().at(paneIndex), 0);
    QVERIFY(pane->visibleRegion().isEmpty());
    QVERIFY(handle->isVisible());
    clickBarInWindow();
    QVERIFY(!splitter->isCollapsed());
    QTRY_COMPARE(pane->width(), width);
    QCOMPARE(splitter->sizes().at(paneIndex), width);
  }

  void stopStaysReachableWhileTheSettingsAreCollapsed() {
    form->bStartClick();
    auto* handle = static_cast<PaneSplitterHandle*>(form->RzSplitter2->handle(1));
    QTest::mouseClick(handle, Qt::LeftButton, {}, handle->hotSpotRect().center());
    QVERIFY(handle->isVisible());
    QTest::mouseClick(handle, Qt::LeftButton, {}, handle->hotSpotRect().center());
    QTRY_VERIFY(form->bStop->isVisible() && form->bStop->width() > 0);
    form->bStop->setFocus();
    QTest::keyClick(form->bStop, Qt::Key_Return);
    QTRY_VERIFY(form->bStart->isEnabled());
  }

  void runButtonsTakeTheKeyboard_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
  }
  void runButtonsTakeTheKeyboard() {
    QFETCH(int, key);
    for (ImageButton* b : {form->bStart, form->bPause, form->bStop}) {
      QVERIFY(b->focusPolicy() & Qt::TabFocus);
      QVERIFY(!b->accessibleName().isEmpty());
    }
    form->activateWindow();
    form->bStart->setFocus();
    QTest::keyClick(form->bStart, Qt::Key(key));
    QTRY_VERIFY(!form->bStart->isEnabled());  // the run is on
    form->bStopClick();
  }

  void focusStartsOnTheFirstPlateAndComesBackToIt() {
    const auto plate = [&](int i) {
      return static_cast<QWidget*>(form->RuzdoPole->Plates()[static_cast<std::size_t>(i)]);
    };
    QCOMPARE(form->focusWidget(), plate(0));
    // Clicks on the menu's captions and items leave the focus where it was.
    QVERIFY(
        !(form->gEasy->findChildren<QAbstractButton*>().first()->focusPolicy() & Qt::ClickFocus));
    plate(3)->setFocus();
    form->bStartClick();  // rebuilds the plates
    QCOMPARE(form->focusWidget(), plate(0));
    form->bStopClick();
    plate(2)->setFocus();
    form->sApplyClick();
    QCOMPARE(form->focusWidget(), plate(0));
    // Space on it answers; the mode menu stays open.
    QTest::keyClick(plate(0), Qt::Key_Space);
    QVERIFY(form->gEasy->isOpen());
  }

  // Apply, a mode switch (which applies) and Start, with the focus on a
  // control they disable, or on a plate they rebuild: the focus goes to the
  // first plate; on one still enabled it stays.
  void focusAfterApply_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("action");  // 0 Apply, 1 to numbers, 2 to sequences, 3 Start
    QTest::addColumn<QString>("after");
    QTest::newRow("the template, to numbers") << "sTemplate" << 1 << "plate0";
    QTest::newRow("the counter, to sequences") << "sTani" << 2 << "plate0";
    QTest::newRow("Start") << "bStart" << 3 << "plate0";
    QTest::newRow("Apply itself") << "sApply" << 0 << "sApply";
  }
  void focusAfterApply() {
    QFETCH(QString, focused);
    QFETCH(int, action);
    if (focused == QStringLiteral("sTemplate")) form->gEasyItems1Click();
    form->findChild<QWidget*>(focused)->setFocus();
    QCOMPARE(form->focusWidget()->objectName(), focused);
    const std::function<void()> actions[] = {
        [&] { form->sApplyClick(); }, [&] { form->gEasyItems0Click(); },
        [&] { form->gEasyItems1Click(); }, [&] { form->bStartClick(); }};
    actions[action]();
    QTEST(form->focusWidget()->objectName(), "after");
  }

  void emptyGroupsAreJustTheirCaptions() {
    GroupBarGroup* empty = form->RzGroupBar1->addGroup(QStringLiteral("Пусто"));
    QTRY_COMPARE(empty->height(), empty->findChild<QAbstractButton*>()->height());
    QVERIFY(form->gMid->height() > 40 && form->gDifficult->height() > 40);
    delete empty;
  }

  void screenReadersReadTheValues() {
    QCOMPARE(form->lAll->accessibleName(), QStringLiteral("Текущий вопрос: 0"));
    QCOMPARE(form->lErr->accessibleName(), QStringLiteral("Количество ошибок: 0"));
    form->QuestionCount = 3;
    form->ErrorCount = 1;
    form->ShowStats();
    auto* all = QAccessible::queryAccessibleInterface(form->lAll);
    QCOMPARE(all->text(QAccessible::Name), QStringLiteral("Текущий вопрос: 3"));
    auto* err = QAccessible::queryAccessibleInterface(form->lErr);
    QCOMPARE(err->text(QAccessible::Name), QStringLiteral("Количество ошибок: 1"));

    auto* picker = QAccessible::queryAccessibleInterface(form->sTani);
    QCOMPARE(picker->text(QAccessible::Name), QStringLiteral("Счетный суффикс: Нет"));
    form->sTani->setCurrentIndex(tanHon);
    QCOMPARE(picker->text(QAccessible::Name), QStringLiteral("Счетный суффикс: 本 ほん"));
  }

  void lockedBarDoesNotMove() {
    auto* handle = form->RzSplitter2->handle(1);
    const int before = form->pSetting->width();
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(3, 5));
    QTest::mouseMove(handle, QPoint(-100, 5));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(-100, 5));
    QCOMPARE(form->pSetting->width(), before);
  }

  void spinBoxesNeverHoldValuesOutsideTheirRange() {
    // Typing beyond the range is refused, so Apply can only see values inside it.
    form->sCols->setFocus();
    form->sCols->selectAll();
    QTest::keyClicks(form->sCols, QStringLiteral("150"));
    QVERIFY(form->sCols->value() <= 100);
    form->sApplyClick();
    QVERIFY(form->RuzdoPole->Cols() <= 100);
    QVERIFY(form->sCols->value() <= 100);
  }

  void runButtonsTakeClicksOnlyInsideTheirShape() {
    // The transparent corner of Pause lets the click through to Start below it.
    int starts = 0, pauses = 0;
    connect(form->bStart, &QAbstractButton::clicked, [&] { ++starts; });
    connect(form->bPause, &QAbstractButton::clicked, [&] { ++pauses; });
    form->bPause->setEnabled(true);  // as in a run
    QTest::mouseClick(form->bPause, Qt::LeftButton, {}, QPoint(80, 32));
    QCOMPARE(pauses, 1);
    QCOMPARE(starts, 0);
    QVERIFY(!form->bPause->mask().contains(QPoint(1, 1)));
    QVERIFY(form->bPause->mask().contains(QPoint(80, 32)));
  }

 private:
  TMainForm* form = nullptr;
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
