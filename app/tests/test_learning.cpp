// The learning aids of the main window: what was said, replay, answers kept
// in the history, drilling the weak values, and settings kept between runs.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "core/random_source.h"
#include "core/weak_picker.h"
#include "drill_fixture.h"
#include "history/history_service.h"
#include "history/history_store.h"
#include "history/history_window.h"
#include "history/progress_model.h"
#include "history/value_summary_model.h"
#include "raw_query.h"
#include "widgets/group_bar.h"
#include "widgets/notice_line.h"
#include "widgets/pane_splitter.h"

using Weights = std::vector<int>;
using Answers = std::vector<ruzdo::PastAnswer>;
using Source = NoticeLine::Source;
Q_DECLARE_METATYPE(Weights)
Q_DECLARE_METATYPE(Answers)

namespace {

// A fixture whose engine reading is "よみ" and remembers what it was asked.
struct LearningFixture : DrillFixture {
  QList<QByteArray> readingAsked;
  std::function<QString(const QByteArray&)> readAs = [](const QByteArray&) {
    return QStringLiteral("よみ'");
  };
  LearningFixture() {
    ruzdo::SpeechEngine seam = engine.seam();
    seam.reading = [this](const char* koe) {
      readingAsked.append(koe);
      return readAs(koe).toStdString();
    };
    form.setSpeechEngine(seam);
  }
  void startWithRange(int min, int max, TTani tani = tanNone) {
    setRange(tani, min, max);
    form.bStartClick();
  }
};

// What the history in folder holds, through a connection of its own (the
// program writes on its own thread).
QList<ruzdo::ValueSummary> stored(const QString& folder) {
  ruzdo::HistoryStore store;
  return store.open(folder) ? store.summary(std::nullopt) : QList<ruzdo::ValueSummary>{};
}

int storedCount(const QString& folder) {
  ruzdo::HistoryStore store;
  return store.open(folder) ? store.count() : -1;
}

// Writes a settings file with numbers up to 9, the window at where, and then
// key = value.
void storeSettings(const QString& file, const QRect& where, const QString& key = {},
                   const QString& value = {}) {
  QSettings s(file, QSettings::IniFormat);
  s.setValue(QStringLiteral("panel/max"), 9);
  s.setValue(QStringLiteral("window/x"), where.x());
  s.setValue(QStringLiteral("window/y"), where.y());
  s.setValue(QStringLiteral("window/width"), where.width());
  s.setValue(QStringLiteral("window/height"), where.height());
  if (!key.isEmpty()) s.setValue(key, value);
}

}  // namespace

class TestLearning : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  // --- the weighting of "чаще ошибочные" ---
  void weakWeights_data() {
    QTest::addColumn<Answers>("recent");
    QTest::addColumn<Weights>("weights");  // of 0 ... 3
    QTest::newRow("nothing yet: uniform") << Answers{} << Weights{1, 1, 1, 1};
    QTest::newRow("a miss and its confusion") << Answers{{2, 1, true}} << Weights{1, 2, 4, 1};
    QTest::newRow("unanswered: no confusion") << Answers{{2, -1, true}} << Weights{1, 1, 4, 1};
    QTest::newRow("three right answers pay a miss off")
        << Answers{{2, 1, true}, {2, 2, false}, {2, 2, false}, {2, 2, false}}
        << Weights{1, 2, 1, 1};
    QTest::newRow("right answers first do not bank credit")
        << Answers{{3, 3, false}, {3, 3, false}, {3, 0, true}} << Weights{2, 1, 1, 4};
    QTest::newRow("capped") << Answers(10, {1, -1, true}) << Weights{1, 13, 1, 1};
    QTest::newRow("out of the range: ignored") << Answers{{9, 8, true}} << Weights{1, 1, 1, 1};
  }
  void weakWeights() {
    QFETCH(Answers, recent);
    QFETCH(Weights, weights);
    QCOMPARE(ruzdo::WeakWeights(0, 3, recent), weights);
  }

  void weightedDrawsFollowTheWeights() {
    const auto draw = [] {
      ruzdo::SeedRandom(2024);
      std::vector<int> seen(4, 0);
      for (int i = 0; i < 6000; ++i) ++seen[ruzdo::PickWeighted(10, {1, 4, 0, 1}) - 10];
      return seen;
    };
    const std::vector<int> seen = draw();
    QCOMPARE(seen[2], 0);
    QVERIFY2(seen[0] > 850 && seen[0] < 1150, qPrintable(QString::number(seen[0])));
    QVERIFY2(seen[1] > 3700 && seen[1] < 4300, qPrintable(QString::number(seen[1])));
    QVERIFY2(seen[3] > 850 && seen[3] < 1150, qPrintable(QString::number(seen[3])));
    QCOMPARE(draw(), seen);  // the same seed, the same draws
  }

  void withTheOptionOffTheDrawsAreTheUniformOnes() {
    LearningFixture d;
    d.startWithRange(0, 9);
    ruzdo::SeedRandom(77);
    QList<int> asked;
    for (int i = 0; i < 20; ++i) {
      d.form.tMainTimer();
      asked << d.form.LastNumber;
      d.form.RuzdoPoleButtonClick(0, QStringLiteral("0"));  // misses pile up
    }
    ruzdo::SeedRandom(77);
    QList<int> uniform;
    for (int i = 0; i < 20; ++i) uniform << ruzdo::RandomBelow(10);
    QCOMPARE(asked, uniform);
  }

  void withTheOptionOnAMissedValueComesBackMoreOften() {
    LearningFixture d;
    d.form.sWeakFirst->setChecked(true);
    d.startWithRange(0, 9);
    ruzdo::SeedRandom(5);
    int sevens = 0;
    for (int i = 0; i < 400; ++i) {
      d.form.tMainTimer();
      if (d.form.LastNumber == 7) ++sevens;
      // 7 is always missed (taken for 1), everything else answered right.
      d.form.RuzdoPoleButtonClick(d.form.LastNumber == 7 ? 1 : d.form.LastNumber, QString());
    }
    // Uniform would give about 40; 7 and 1, the value it is taken for, both
    // reach the top weight 13 of 34, so about 150.
    QVERIFY2(sevens > 120, qPrintable(QString::number(sevens)));
  }

  // --- the line of what was said ---
  void theLineAfterEachEnd_data() {
    QTest::addColumn<int>("click");  // -1: none, the next tick ends it
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<bool>("red");
    QTest::addColumn<int>("counter");
    QTest::newRow("right") << 25 << QStringLiteral("Сказано: 25本. Верно") << false << int(tanHon);
    QTest::newRow("wrong") << 24 << QStringLiteral("Сказано: 25本. Нажато: 24") << true
                           << int(tanHon);
    QTest::newRow("unanswered") << -1 << QStringLiteral("Сказано: 25本. Ответа не было") << true
                                << int(tanHon);
    // A count of months is written か月, never as the name of a month.
    QTest::newRow("months") << 25 << QStringLiteral("Сказано: 25か月. Верно") << false
                            << int(tanTuki);
    // つ is said after 1 ... 10 only: 25 is the bare number.
    QTest::newRow("つ past ten") << 25 << QStringLiteral("Сказано: 25. Верно") << false
                                 << int(tanTu);
  }
  void theLineAfterEachEnd() {
    QFETCH(int, click);
    QFETCH(QString, verdict);
    QFETCH(bool, red);
    QFETCH(int, counter);
    LearningFixture d;
    d.startWithRange(25, 25, TTani(counter));
    d.form.tMainTimer();
    const QByteArray heard = d.engine.calls.last().text;
    // Nothing is given away while the question is open.
    QVERIFY(d.form.lSaid->text().isEmpty());
    if (click >= 0)
      d.form.RuzdoPoleButtonClick(click, QString::number(click));
    else
      d.form.tMainTimer();
    QCOMPARE(d.form.lSaid->text(), verdict + QStringLiteral(" — よみ'"));
    // The reading is the engine's reading of exactly what was heard.
    QCOMPARE(d.readingAsked.last(), heard);
    QCOMPARE(d.form.lSaid->accessibleName(), verdict + QStringLiteral("; よみ'"));
    QCOMPARE(d.form.lSaid->palette().color(QPalette::WindowText) == QColor(0xB0, 0, 0), red);
  }

  void aListeningClickShowsThePlate() {
    LearningFixture d;
    d.form.gEasyItems1Click();
    d.form.RuzdoPoleButtonClick(0, QStringLiteral("4-07"));
    QCOMPARE(d.form.lSaid->text(), QStringLiteral("Сказано: 4-07 — よみ'"));
    QCOMPARE(d.readingAsked.last(), d.engine.calls.last().text);
  }

  void aLongReadingWrapsIsShortenedButKeptWhole() {
    LearningFixture d;
    const QString longReading = QString(200, QChar(0x3042));  // あ × 200
    d.readAs = [&](const QByteArray&) { return longReading; };
    d.form.RuzdoPoleButtonClick(5, QStringLiteral("5"));
    const QString shown = d.form.lSaid->text();
    QVERIFY(shown.startsWith(QStringLiteral("Сказано: 5 — ")));
    QVERIFY(shown.endsWith(QChar(0x2026)));
    // Wrapped over the lines the label holds, none wider than it.
    const QStringList lines = shown.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), d.form.lSaid->height() / d.form.lSaid->fontMetrics().lineSpacing());
    QVERIFY(lines.size() >= 2);
    for (const QString& line : lines)
      QVERIFY(d.form.lSaid->fontMetrics().horizontalAdvance(line) <=
              d.form.lSaid->contentsRect().width());
    QCOMPARE(d.form.lSaid->toolTip(), QStringLiteral("Сказано: 5 — ") + longReading);
    QVERIFY(d.form.lSaid->accessibleName().endsWith(longReading));
    // In the panel's own type, never smaller.
    QCOMPARE(d.form.lSaid->fontInfo().pixelSize(), d.form.gInfo->fontInfo().pixelSize());
  }

  // --- replay ---
  void replayDuringARunRepeatsTheQuestionAndCountsNothing() {
    LearningFixture d;
    d.startWithRange(3, 3);
    d.form.bReplayClick();  // nothing asked yet
    QCOMPARE(d.engine.calls.size(), 0);
    d.form.tMainTimer();
    const int remaining = d.form.tMain->remainingTime();
    d.form.bReplayClick();
    d.form.bReplay->click();
    QCOMPARE(d.output.played.size(), 3);
    QCOMPARE(d.engine.calls.last().text, d.engine.calls.first().text);
    QCOMPARE(d.form.ErrorCount, 0);
    QCOMPARE(d.form.QuestionCount, 1);
    QVERIFY(!d.form.Answered);
    QVERIFY(d.form.tMain->isActive());
    QVERIFY(d.form.tMain->remainingTime() <= remaining);
    d.form.bPauseClick();
    d.form.RuzdoPoleButtonClick(3, QStringLiteral("3"));  // listening while paused
    d.form.bReplayClick();                                // still the question
    QCOMPARE(d.engine.calls.size(), 1);                   // all from the cache
    QCOMPARE(d.output.played.size(), 5);
  }

  void replayWhileIdleRepeatsTheLastThingSaid() {
    LearningFixture d;
    d.form.bReplayClick();  // nothing said yet: silence
    QCOMPARE(d.output.played.size(), 0);
    d.form.RuzdoPoleButtonClick(4, QStringLiteral("4"));
    d.form.RuzdoPoleButtonClick(6, QStringLiteral("6"));
    d.form.bReplayClick();
    QCOMPARE(d.output.played.size(), 3);
    QCOMPARE(d.output.played.last(), d.output.played[1]);
  }

  void theReplayKeys() {
    LearningFixture d;
    d.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d.form));
    d.form.RuzdoPoleButtonClick(4, QStringLiteral("4"));
    QTest::keyClick(&d.form, Qt::Key_R);
    QTest::keyClick(&d.form, Qt::Key_F5);
    QTest::keyClick(&d.form, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(d.output.played.size(), 4);
    // Typing an r into the template types it.
    d.form.gEasyItems1Click();
    d.form.sTemplate->setFocus();
    d.form.sTemplate->clear();
    QTest::keyClicks(d.form.sTemplate, QStringLiteral("r_"));
    QCOMPARE(d.form.sTemplate->text(), QStringLiteral("r_"));
    QCOMPARE(d.output.played.size(), 4);
  }

  // --- the history of answers ---
  void everyEndedQuestionIsKept() {
    QTemporaryDir dir;
    LearningFixture d;
    d.form.openHistory(dir.path());
    d.startWithRange(5, 5);
    d.form.tMainTimer();
    d.form.RuzdoPoleButtonClick(5, QStringLiteral("5"));  // right
    d.form.RuzdoPoleButtonClick(6, QStringLiteral("6"));  // a second click: ignored
    d.form.tMainTimer();
    d.form.RuzdoPoleButtonClick(6, QStringLiteral("6"));  // wrong
    d.form.tMainTimer();
    d.form.bStopClick();  // the third was still open: not an answer
    QTRY_COMPARE(storedCount(dir.path()), 2);
    QTRY_VERIFY(!d.form.lNotice->isVisible());  // the count above may hold the file a moment
    const auto values = stored(dir.path());
    QCOMPARE(values.size(), 1);
    QCOMPARE(values[0].value, QStringLiteral("5"));
    QCOMPARE(values[0].wrong, 1);
    QCOMPARE(values[0].confusions[0].answer, std::optional<QString>("6"));
  }

  void theReadingSaidIsKept() {
    // With «Разные варианты чтения» a question of 7時 is said しちじ or ななじ;
    // each answer keeps which (1 the usual reading), as the said line shows it.
    QTemporaryDir dir;
    LearningFixture d;
    d.readAs = [](const QByteArray& koe) { return QString::fromLatin1(koe); };
    d.form.openHistory(dir.path());
    d.form.sVariants->setChecked(true);
    d.startWithRange(7, 7, tanZi);
    QString said;
    for (int i = 0; i < 20; ++i) {
      d.form.tMainTimer();
      d.form.RuzdoPoleButtonClick(7, QStringLiteral("7"));
      said += d.form.lSaid->toolTip().contains(QStringLiteral("VARIANT=2")) ? '2' : '1';
    }
    d.form.bStopClick();
    QVERIFY(said.contains('1') && said.contains('2'));
    QTRY_COMPARE(storedCount(dir.path()), 20);
    QCOMPARE(rawQuery(d.form.history()->filePath(),
                      QStringLiteral("SELECT group_concat(variant, '')"
                                     " FROM (SELECT * FROM answers ORDER BY id)"))
                 .toString(),
             said);
  }

  void answersInNoiseMoveTheLevelAndKeepIt() {
    // Two right a step harder, a miss a step easier; each answer is kept
    // with the condition and the level it was heard at.
    QTemporaryDir dir;
    LearningFixture d;
    d.engine.wav = true;
    d.form.openHistory(dir.path());
    d.form.setListeningCondition(QStringLiteral("street"));
    d.startWithRange(5, 5);
    for (const char* answer : {"5", "5", "6", "5"}) {
      d.form.tMainTimer();
      d.form.RuzdoPoleButtonClick(QString(answer).toInt(), QString(answer));
    }
    QCOMPARE(d.form.noiseLevelDb(), 15.0);
    d.form.bStopClick();
    QTRY_COMPARE(storedCount(dir.path()), 4);  // written on the history's thread
    QCOMPARE(rawQuery(d.form.history()->filePath(),
                      QStringLiteral("SELECT group_concat(condition || ' ' || noise_db, ', ')"
                                     " FROM (SELECT * FROM answers ORDER BY id)"))
                 .toString(),
             QStringLiteral("street 15.0, street 15.0, street 13.0, street 15.0"));
  }

  void anUnwritableFolderGivesOneNoticeAndTheDrillGoesOn() {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("data")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    LearningFixture d;
    d.form.openHistory(blocker.fileName() + QStringLiteral("/Ruzdo"));
    QTRY_VERIFY(d.form.lNotice->isVisible());
    QCOMPARE(d.form.lNotice->notices(),
             QStringList{QStringLiteral("Нет записи в папку данных (ждут записи: 0)")});
    QVERIFY(d.form.lNotice->notice(Source::Sound).isEmpty());  // the sound's notice is another
    d.startWithRange(0, 9);
    for (int i = 0; i < 3; ++i) d.form.tMainTimer();
    QCOMPARE(d.form.QuestionCount, 3);
    QCOMPARE(d.form.ErrorCount, 2);
    // The two missed questions wait to be written.
    QTRY_VERIFY(
        d.form.lNotice->notice(Source::History).endsWith(QStringLiteral("(ждут записи: 2)")));
    d.form.RzGroup1Items1Click();
    QVERIFY(d.form.fHistory->isVisible());
    QVERIFY(!d.form.fHistory->clearButton->isEnabled());
  }

  void theNoticesShareOneLine_data() {
    QTest::addColumn<bool>("sound");
    QTest::addColumn<bool>("history");
    QTest::newRow("sound") << true << false;
    QTest::newRow("history") << false << true;
    QTest::newRow("both") << true << true;
  }
  void theNoticesShareOneLine() {
    // Whatever shows, the pane keeps its designed height and the statistics
    // their place; the line is never cut through, every notice is shown in
    // its turn, and the tool tip and a screen reader have them all in full.
    QFETCH(bool, sound);
    QFETCH(bool, history);
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("data")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    LearningFixture d;
    QVERIFY(QTest::qWaitForWindowExposed(&d.form));
    const QRect info = d.form.gInfo->geometry();
    const int pane = d.form.pNotice->height();
    if (history) d.form.openHistory(blocker.fileName() + QStringLiteral("/Ruzdo"));
    QTRY_COMPARE(d.form.lNotice->notice(Source::History).isEmpty(), !history);
    if (sound)
      d.form.lNotice->setNotice(Source::Sound,
                                QStringLiteral("Нет вывода звука: речь не будет слышна."));
    QApplication::processEvents();
    NoticeLine* line = d.form.lNotice;
    QCOMPARE(d.form.pNotice->height(), pane);
    QCOMPARE(d.form.gInfo->geometry(), info);
    QVERIFY(line->isVisible() && line->height() >= line->fontMetrics().height());
    const QStringList all = line->notices();
    QCOMPARE(all.size(), int(sound) + int(history));
    for (const QString& n : all) {
      QVERIFY(line->toolTip().contains(n));
      QVERIFY(line->accessibleName().contains(n));
    }
    line->findChild<QTimer*>()->setInterval(10);
    QSet<QString> seen;
    for (int i = 0; i < 50 && seen.size() < all.size(); ++i, QTest::qWait(5)) {
      const QString shown = line->text();
      QVERIFY(line->fontMetrics().horizontalAdvance(shown) <= line->contentsRect().width());
      const QString start = shown.endsWith(QChar(0x2026)) ? shown.chopped(1) : shown;
      for (const QString& n : all)
        if (!start.isEmpty() && (n.startsWith(start) || shown.contains(n))) seen.insert(n);
    }
    QCOMPARE(seen.size(), all.size());
  }

  void theHistoryWindowShowsAndClears() {
    QTemporaryDir dir;
    LearningFixture d;
    d.form.openHistory(dir.path());
    d.startWithRange(7, 8);
    for (int i = 0; i < 4; ++i) {
      d.form.tMainTimer();
      d.form.RuzdoPoleButtonClick(1, QStringLiteral("1"));
    }
    d.form.RzGroup1Items1Click();
    HistoryWindow* w = d.form.fHistory;
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("История ответов"));
    const auto asked = [w] {
      int n = 0;
      for (int row = 0; row < w->values->rowCount(); ++row)
        n += w->values->index(row, ValueSummaryModel::kAsked).data().toInt();
      return n;
    };
    QTRY_COMPARE(asked(), 4);
    for (int row = 0; row < w->values->rowCount(); ++row)
      QVERIFY(w->values->index(row, ValueSummaryModel::kConfusions)
                  .data()
                  .toString()
                  .startsWith(QStringLiteral("1 ×")));
    QCOMPARE(w->progress->rowCount(), 1);  // one day
    // Other settings: nothing under them yet; all history still has it.
    d.form.bStopClick();
    d.form.sMaxRuzdo->setValue(9);
    d.form.sApplyClick();
    w->refresh();
    QTRY_COMPARE(w->values->rowCount(), 0);
    w->scope->setCurrentIndex(1);
    QTRY_VERIFY(w->values->rowCount() > 0);
    QVERIFY(!d.form.recentAnswers().empty());
    // Clearing asks first.
    QTimer::singleShot(0, [] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        box->button(QMessageBox::Yes)->click();
    });
    w->clearHistory();
    QTRY_COMPARE(w->values->rowCount(), 0);
    QCOMPARE(storedCount(dir.path()), 0);
    // The cleared answers no longer weigh "Чаще ошибочные".
    QVERIFY(d.form.recentAnswers().empty());
  }

  // --- settings kept between runs ---
  void settingsComeBack() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Ruzdo.conf"));
    {
      LearningFixture d;
      d.form.useSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
      TMainForm& f = d.form;
      f.gEasyItems1Click();
      f.sMinRuzdo->setValue(20);
      f.sMaxRuzdo->setValue(44);
      f.sTemplate->setText(QStringLiteral("__-_"));
      f.sSpechSpeed->setValue(140);
      f.sTimerInterval->setValue(3500);
      f.sMaxQuestion->setValue(12);
      f.sCols->setValue(5);
      f.sRows->setValue(3);
      f.sIndention->setValue(2);
      f.sWeakFirst->setChecked(true);
      f.sVoice->setCurrentIndex(f.sVoice->findData(QStringLiteral("low")));
      f.sVariants->setChecked(true);
      f.setListeningCondition(QStringLiteral("station"));
      f.setNoiseLevelDb(7);
      f.resize(1000, 700);
      f.RzSplitter1->setSizes({200, 793});
      f.RzSplitter2->toggleCollapsed();
      f.close();  // saves
    }
    LearningFixture d;
    d.form.useSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
    TMainForm& f = d.form;
    QCOMPARE(f.Mode, ruzdo::DrillMode::kSequences);
    QVERIFY(f.sTemplate->isEnabled());
    QVERIFY(!f.sTani->isEnabled());
    QCOMPARE(f.sTemplate->text(), QStringLiteral("__-_"));
    QCOMPARE(f.sSpechSpeed->value(), 140);
    QCOMPARE(f.sTimerInterval->value(), 3500);
    QCOMPARE(f.tMain->interval(), 3500);
    QCOMPARE(f.sMaxQuestion->value(), 12);
    QVERIFY(f.sWeakFirst->isChecked());
    QCOMPARE(f.sVoice->currentData().toString(), QStringLiteral("low"));
    QVERIFY(f.sVariants->isChecked());
    QCOMPARE(f.findChild<QComboBox*>(QStringLiteral("sCondition"))->currentText(),
             QStringLiteral("Вокзал"));
    QCOMPARE(f.noiseLevelDb(), 7.0);
    QVERIFY(f.RzSplitter2->isCollapsed());
    QCOMPARE(f.size(), QSize(1000, 700));
    QCOMPARE(f.RzGroupBar1->width(), 200);
    // And the grid took them.
    QCOMPARE(f.RuzdoPole->MinRuzdo(), 20);
    QCOMPARE(f.RuzdoPole->MaxRuzdo(), 44);
    QCOMPARE(f.RuzdoPole->Cols(), 5);
    QCOMPARE(f.RuzdoPole->Rows(), 3);
    QCOMPARE(f.RuzdoPole->Indention(), 2);
    QCOMPARE(f.RuzdoPole->Template(), QStringLiteral("__-_"));
    // An option of «Параметры обучения» takes effect at once and is kept at once.
    f.sWeakFirst->setChecked(false);
    QCOMPARE(QSettings(file, QSettings::IniFormat).value(QStringLiteral("panel/weakFirst")),
             QVariant(QStringLiteral("false")));
  }

  void theCounterComesBackInTheNumbersMode() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Ruzdo.conf"));
    {
      LearningFixture d;
      d.form.useSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
      d.form.sTani->setCurrentIndex(tanHiki);
      d.form.sApplyClick();  // saves too
    }
    LearningFixture d;
    d.form.useSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
    QCOMPARE(d.form.sTani->currentIndex(), int(tanHiki));
    QCOMPARE(d.form.RuzdoPole->Tani(), tanHiki);
  }

  void badStoredValuesFallBackToDefaults_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("damaged");  // the whole file instead, byte for byte
    const struct {
      const char* name;
      const char* key;
      QString value;
    } rows[] = {
        {"range not a number", "panel/max", "lots"},
        {"range above the spin edit", "panel/max", "100001"},
        {"range of a hundred", "panel/max", "100"},
        {"negative minimum", "panel/min", "-4"},
        {"counter past the list", "panel/counter", "44"},
        {"template longer than the edit takes", "panel/template", QString(40000, '_')},
        {"speed below the bar", "panel/speed", "10"},
        {"interval half a number", "panel/interval", "20x0"},
        {"questions overflow", "panel/questions", "99999999999999"},
        {"no columns", "panel/cols", "-1"},
        {"mode 8", "panel/mode", "8"},  // 2 ... 7 are the lessons
        {"option neither true nor false", "panel/weakFirst", "maybe"},
        {"window far off every screen", "window/x", "90000"},
        {"tiny window", "window/width", "3"},
        {"collapse not a flag", "window/settingsColumn/collapsed", "2"},
        {"group bar wider than the window", "window/groupBar/first", "9999"},
    };
    for (const auto& row : rows)
      QTest::newRow(row.name) << QString::fromLatin1(row.key) << row.value << QByteArray();
    QTest::newRow("a damaged file")
        << QString() << QString()
        << QByteArrayLiteral("[panel\x01\n\xff\xfe=\x00garbage\nmin=\n[window]\nx=\n");
  }
  void badStoredValuesFallBackToDefaults() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, damaged);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Ruzdo.conf"));
    if (damaged.isEmpty()) {
      QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("panel/min"), 0);
      storeSettings(file, QRect(10, 12, 930, 631), key, value);
    } else {
      QFile f(file);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(damaged);
    }
    LearningFixture d;
    const QPoint where = d.form.pos();
    d.form.useSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
    TMainForm& f = d.form;
    QCOMPARE(f.sMinRuzdo->value(), 0);
    QCOMPARE(f.sMaxRuzdo->value(), 9);
    QCOMPARE(f.sTani->currentIndex(), 0);
    QCOMPARE(f.sTemplate->text(), QStringLiteral("_-__"));
    QCOMPARE(f.sSpechSpeed->value(), 90);
    QCOMPARE(f.sTimerInterval->value(), 2000);
    QCOMPARE(f.sMaxQuestion->value(), 100);
    QCOMPARE(f.sCols->value(), 2);
    QCOMPARE(f.Mode, ruzdo::DrillMode::kNumbers);
    QVERIFY(!f.sWeakFirst->isChecked());
    QVERIFY(!f.RzSplitter2->isCollapsed());
    QCOMPARE(f.RzGroupBar1->width(), 164);
    QCOMPARE(f.size(), QSize(930, 631));
    QCOMPARE(f.pos(), where);
    QCOMPARE(f.RuzdoPole->MaxRuzdo(), 9);
  }

  void aStoredWindowIsFittedToTheScreen_data() {
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("keepsPosition");
    // The screen of the tests is 1920 × 1200.
    QTest::newRow("larger than the screen")
        << QRect(0, 0, 20000, 20000) << QSize(1920, 1200) << true;
    QTest::newRow("a 5 px corner on screen")
        << QRect(1915, 1195, 930, 631) << QSize(930, 631) << false;
    QTest::newRow("half on screen") << QRect(1400, 300, 930, 631) << QSize(930, 631) << true;
  }
  void aStoredWindowIsFittedToTheScreen() {
    QFETCH(QRect, stored);
    QFETCH(QSize, size);
    QFETCH(bool, keepsPosition);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Ruzdo.conf"));
    storeSettings(file, stored);
    LearningFixture d;
    const QPoint where = d.form.pos();
    d.form.useSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
    QCOMPARE(d.form.size(), size);
    QCOMPARE(d.form.pos(), keepsPosition ? stored.topLeft() : where);
  }
};

QTEST_MAIN(TestLearning)
#include "test_learning.moc"
