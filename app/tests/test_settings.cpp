// The settings panel: Apply and its setter order, the range refusal, Cancel,
// the mode items, the counter picker and the interval; a settings file as
// the program writes it.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "drill_fixture.h"
#include "panel_settings.h"
#include "training_options_window.h"
#include "widgets/image_button.h"
#include "widgets/picture_combo_box.h"
#include "widgets/plate_button.h"

class TestSettings : public QObject {
  Q_OBJECT
 private slots:
  void init() { d = std::make_unique<DrillFixture>(); }
  void cleanup() { d.reset(); }

  void applyInSetterOrder_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("indent");
    QTest::addColumn<int>("gridMin");
    QTest::addColumn<int>("gridMax");
    QTest::addColumn<int>("gridIndent");
    QTest::newRow("20 ... 30") << 20 << 30 << 2 << 0 << 20 << 30 << 0;
    QTest::newRow("minimum above maximum") << 30 << 10 << 2 << 0 << 10 << 10 << 0;
    QTest::newRow("indent clamped to the new columns") << 0 << 9 << 3 << 5 << 0 << 9 << 2;
    QTest::newRow("a hundred plates") << 0 << 99 << 10 << 0 << 0 << 99 << 0;
  }
  void applyInSetterOrder() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, cols);
    QFETCH(int, indent);
    TMainForm& f = d->form;
    f.sMinRuzdo->setValue(min);
    f.sMaxRuzdo->setValue(max);
    f.sCols->setValue(cols);
    f.sIndention->setValue(indent);
    f.sApplyClick();
    QFETCH(int, gridMin);
    QFETCH(int, gridMax);
    QFETCH(int, gridIndent);
    QCOMPARE(f.RuzdoPole->MinRuzdo(), gridMin);
    QCOMPARE(f.RuzdoPole->MaxRuzdo(), gridMax);
    QCOMPARE(f.RuzdoPole->Indention(), gridIndent);
    // The panel shows what the grid took.
    QCOMPARE(f.sMinRuzdo->value(), gridMin);
    QCOMPARE(f.sMaxRuzdo->value(), gridMax);
    QCOMPARE(f.sIndention->value(), gridIndent);
    QCOMPARE(int(f.RuzdoPole->Plates().size()), gridMax - gridMin + 1);
  }

  // The grid passes through the setters' clamped values (99990 ... 100000 to
  // 0 ... 9 goes by 0 ... 100000), but only the range applied is built.
  void loweringAFarRangeBuildsOnlyItsPlates() {
    TMainForm& f = d->form;
    f.sCols->setValue(10);
    f.sMinRuzdo->setValue(99990);
    f.sMaxRuzdo->setValue(100000);
    f.sApplyClick();
    struct ChildCounter : QObject {
      int added = 0;
      bool eventFilter(QObject*, QEvent* e) override {
        added += e->type() == QEvent::ChildAdded;
        return false;
      }
    } plates;
    f.RuzdoPole->installEventFilter(&plates);
    f.sMinRuzdo->setValue(0);
    f.sMaxRuzdo->setValue(9);
    f.sApplyClick();
    QCOMPARE(plates.added, 10);
  }

  void aRangeOfAHundredIsRefused() {
    TMainForm& f = d->form;
    f.sMaxRuzdo->setValue(100);
    QString seen;
    DrillFixture::acceptNextBox(&seen);
    f.sApplyClick();
    QCOMPARE(seen, QStringLiteral(
                       "Разница максимального и минимального значений должна быть меньше 100!"));
    QCOMPARE(f.RuzdoPole->MaxRuzdo(), 9);
    QCOMPARE(f.sMaxRuzdo->value(), 9);  // read back: the values still in force
  }

  // Each row: a template for the ten plates of 0 ... 9 (or the range in
  // "max"), and the start of the message refusing it ("" accepted).
  void templatesThatCannotMakeTheirPlatesAreRefused_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("refusal");
    const QString bad = QStringLiteral(
        "Шаблон может содержать только знаки «_», цифры, латинские буквы, «-» и пробелы; знак «");
    const QString same = QStringLiteral("Шаблон без знака «_» даёт одинаковые плашки");
    const QString few =
        QStringLiteral("Шаблон даёт только 10 разных последовательностей, а плашек 20");
    const struct {
      const char *name, *pattern;
      int max;
      QString refusal;
    } rows[] = {
        {"phone number", "___-__-__", 9, ""},
        {"the default", "_-__", 9, ""},
        {"digits only", "12__", 9, ""},
        {"Latin", "x__", 9, ""},
        {"a space", "__ __", 9, ""},
        {"leading and doubled hyphens", "-_--_", 9, ""},
        {"one blank, ten plates", "_", 9, ""},
        {"24 characters", "____-____-____-____-____", 9, ""},
        {"colon", "4:__", 9, bad + ":"},
        {"full stop", "_.__", 9, bad + "."},
        {"Cyrillic", "_д__", 9, bad + "д"},
        {"full-width digit", "０__", 9, bad + "０"},
        {"every plate the same: digits", "0000", 9, same},
        {"every plate the same: letters", "abc", 9, same},
        {"dashes only", "--", 9, same},
        {"empty", "", 9, same},
        {"spaces", "   ", 9, same},
        {"one blank, twenty plates", "_", 19, few},
        {"25 characters", "____-____-____-____-_____", 9,
         QStringLiteral("Шаблон слишком длинный: 25 знаков, а можно не больше 24.")},
    };
    for (const auto& r : rows)
      QTest::newRow(r.name) << QString::fromUtf8(r.pattern) << r.max << r.refusal;
  }
  void templatesThatCannotMakeTheirPlatesAreRefused() {
    // The real engine says the accepted ones (it needs no voice for this).
    QFETCH(QString, pattern);
    QFETCH(int, max);
    QFETCH(QString, refusal);
    TMainForm& f = d->form;
    f.gEasyItems1Click();
    f.sTemplate->setText(pattern);
    f.sMaxRuzdo->setValue(max);
    QString seen;
    DrillFixture::acceptNextBox(&seen);
    f.sApplyClick();
    QVERIFY2(refusal.isEmpty() ? seen.isEmpty() : seen.startsWith(refusal), qPrintable(seen));
    const bool accepted = refusal.isEmpty();
    QCOMPARE(f.RuzdoPole->Template() == pattern, accepted);
    if (accepted) {
      // No two plates the same.
      QSet<QString> shown;
      for (PlateButton* p : f.RuzdoPole->Plates()) shown << p->text();
      QCOMPARE(shown.size(), int(f.RuzdoPole->Plates().size()));
      return;
    }
    // The edit shows the template in force again.
    QCOMPARE(f.sTemplate->text(), QStringLiteral("_-__"));
    // Start refuses it too: no run on a template that cannot be used.
    f.sTemplate->setText(pattern);
    f.sMaxRuzdo->setValue(max);  // the refusal showed the range in force
    DrillFixture::acceptNextBox(nullptr);
    f.bStartClick();
    QVERIFY(f.bStart->isEnabled());
    QVERIFY(!f.tMain->isActive());
  }

  void theTemplateCheckAsksTheEngineOnceWithASequence() {
    TMainForm& f = d->form;
    f.gEasyItems1Click();
    QList<QByteArray> asked;
    ruzdo::SpeechEngine engine = d->engine.seam();
    engine.reading = [&](const char* koe) {
      asked.append(koe);
      return std::string();  // unreadable
    };
    f.setSpeechEngine(engine);
    f.sTemplate->setText(QStringLiteral("1-2_"));
    DrillFixture::acceptNextBox(nullptr);
    f.sApplyClick();
    QCOMPARE(asked, QList<QByteArray>{QByteArray("<NUM VAL=1-20>")});
    QCOMPARE(f.RuzdoPole->Template(), QStringLiteral("_-__"));  // the one in force
  }

  void aRefusedModeSwitchLeavesTheModeAsItWas() {
    TMainForm& f = d->form;
    f.sMaxRuzdo->setValue(150);
    QString seen;
    DrillFixture::acceptNextBox(&seen);
    f.gEasyItems1Click();
    QVERIFY(!seen.isEmpty());
    QCOMPARE(f.Mode, ruzdo::DrillMode::kNumbers);
    QVERIFY(f.sTani->isEnabled());
    QVERIFY(f.RuzdoPole->Template().isEmpty());
    // With the range fixed, the sequence mode is still there to be had.
    f.sMaxRuzdo->setValue(9);
    f.gEasyItems1Click();
    QCOMPARE(f.Mode, ruzdo::DrillMode::kSequences);
  }

  void cancelRestoresTheGridsValuesOnly() {
    TMainForm& f = d->form;
    f.sMinRuzdo->setValue(40);
    f.sCols->setValue(7);
    f.sTani->setCurrentIndex(tanHon);
    f.sMaxQuestion->setValue(12);
    f.sSpechSpeed->setValue(150);
    f.sTemplate->setText(QStringLiteral("__"));
    f.sCancelClick();
    QCOMPARE(f.sMinRuzdo->value(), 0);
    QCOMPARE(f.sCols->value(), 2);
    QCOMPARE(f.sTani->currentIndex(), 0);
    QCOMPARE(f.sMaxQuestion->value(), 12);
    QCOMPARE(f.sSpechSpeed->value(), 150);
    QCOMPARE(f.sTemplate->text(), QStringLiteral("__"));
  }

  void modeItems() {
    TMainForm& f = d->form;
    f.sTani->setCurrentIndex(tanHiki);
    f.gEasyItems0Click();
    QCOMPARE(f.RuzdoPole->Tani(), tanHiki);
    QVERIFY(f.RuzdoPole->Plates()[0]->hasGlyph());
    f.sTemplate->setText(QStringLiteral("__"));
    f.gEasyItems1Click();
    QCOMPARE(f.Mode, ruzdo::DrillMode::kSequences);
    QVERIFY(f.sTemplate->isEnabled());
    QVERIFY(!f.sTani->isEnabled());
    for (PlateButton* p : f.RuzdoPole->Plates()) {
      QCOMPARE(p->text().size(), 2);
      QVERIFY(!p->hasGlyph());
    }
    f.gEasyItems0Click();
    QCOMPARE(f.Mode, ruzdo::DrillMode::kNumbers);
    QCOMPARE(f.RuzdoPole->Plates()[3]->text(), QStringLiteral("3"));
    QCOMPARE(f.RuzdoPole->Tani(), tanHiki);  // still selected in the picker
    // Apply in the sequence mode keeps the counter chosen for the numbers mode.
    f.gEasyItems1Click();
    f.sApplyClick();
    QCOMPARE(f.RuzdoPole->Tani(), tanNone);
    f.gEasyItems0Click();
    QCOMPARE(f.RuzdoPole->Tani(), tanHiki);
  }

  void counterPickerHoldsTheCachedPictures() {
    auto* picker = static_cast<PictureComboBox*>(d->form.sTani);
    QCOMPARE(picker->count(), kTaniCount);
    QCOMPARE(picker->itemText(0), QStringLiteral("Нет"));
    QCOMPARE(picker->picture(0), nullptr);
    for (int i = 1; i < kTaniCount; ++i) {
      QCOMPARE(picker->itemText(i), QStringLiteral("--"));
      QCOMPARE(picker->picture(i), CounterImage(static_cast<TTani>(i)));
    }
    // Screen readers tell 回 from 階.
    QCOMPARE(picker->itemData(tanKai, Qt::AccessibleTextRole).toString(),
             QStringLiteral("回 かい"));
    QCOMPARE(picker->itemData(tanGai, Qt::AccessibleTextRole).toString(),
             QStringLiteral("階 かい"));
    QCOMPARE(picker->itemData(tanHai, Qt::AccessibleTextRole).toString(),
             QStringLiteral("杯 はい"));
    QCOMPARE(picker->itemData(tanTuki, Qt::AccessibleTextRole).toString(),
             QStringLiteral("か月 つき"));
  }

  // Every key of a settings file as the program has always written it comes
  // back into its control and is written back as it was (a learner's choice
  // of «Интервал после речи» too, while «В предложениях» forces it on).
  void aKeptFileComesBackAndIsWrittenAsItWas() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Ruzdo.conf"));
    QVERIFY(QFile::copy(QStringLiteral(RUZDO_TEST_DATA "/settings.conf"), file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    TMainForm& f = d->form;
    f.useSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
    QCOMPARE(f.Mode, ruzdo::DrillMode::kSequences);
    QCOMPARE(f.RuzdoPole->MinRuzdo(), 20);
    QCOMPARE(f.RuzdoPole->MaxRuzdo(), 44);
    QCOMPARE(f.RuzdoPole->Template(), QStringLiteral("__-_"));
    QCOMPARE(f.sTani->currentIndex(), int(tanNin));
    QCOMPARE(f.sSpechSpeed->value(), 140);
    QCOMPARE(f.tMain->interval(), 3500);
    QCOMPARE(f.sMaxQuestion->value(), 12);
    QCOMPARE(f.RuzdoPole->Cols(), 5);
    QCOMPARE(f.RuzdoPole->Rows(), 3);
    QCOMPARE(f.RuzdoPole->Indention(), 2);
    QCOMPARE(f.sVoice->currentData().toString(), QStringLiteral("low"));
    QCOMPARE(f.listeningCondition(), QStringLiteral("station"));
    QCOMPARE(f.noiseLevelDb(), 7.5);
    for (QCheckBox* on :
         {f.sWeakFirst, f.sVariants, f.sSentences, f.fOptions->showAnswer, f.fOptions->afterSpeech})
      QVERIFY2(on->isChecked(), qPrintable(on->objectName()));
    QVERIFY(!f.fOptions->afterSpeech->isEnabled());  // forced by the sentences
    QTemporaryDir again;
    QSettings written(again.filePath(QStringLiteral("Ruzdo.conf")), QSettings::IniFormat);
    ruzdo::SavePanelSettings(f, written);
    QSettings kept(file, QSettings::IniFormat);
    kept.beginGroup(QStringLiteral("panel"));
    written.beginGroup(QStringLiteral("panel"));
    QCOMPARE(written.childKeys(), kept.childKeys());
    for (const QString& key : kept.childKeys())
      QCOMPARE(written.value(key).toString(), kept.value(key).toString());
  }

  void intervalGoesToTheTimerAtOnce() {
    d->form.sTimerInterval->setValue(500);
    QCOMPARE(d->form.tMain->interval(), 500);
  }

 private:
  std::unique_ptr<DrillFixture> d;
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
