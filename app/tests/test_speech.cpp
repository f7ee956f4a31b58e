// Speech output of the main window with a fake engine and a fake sound
// output: the exact Shift-JIS text and speed, listening clicks, the "Err"
// box, the cache, and that every waveform is released exactly once; then
// the same on the worker threads: the window never waits for the engine, the
// newest request wins, and the plates' sounds are made ahead.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>

#include "Unit1.h"
#include "fake_speech.h"
#include "speech/speech_cache.h"
#include "widgets/plate_button.h"

namespace {

// Talkers for the crowd that come only when let go (at most 5 s), counting
// how often they were asked for.
struct HeldTalkers {
  std::mutex mutex;
  std::condition_variable changed;
  bool held = true;
  std::atomic<int> asked{0};

  static ruzdo::SpeechEngine::TalkerSource source(std::shared_ptr<HeldTalkers> t) {
    return {2,
            [t](int i) -> std::optional<ruzdo::PcmSound> {
              ++t->asked;
              std::unique_lock<std::mutex> lock(t->mutex);
              t->changed.wait_for(lock, std::chrono::seconds(5), [&] { return !t->held; });
              ruzdo::PcmSound talker{16000, std::vector<float>(8000)};
              for (std::size_t k = 0; k < talker.samples.size(); ++k)
                talker.samples[k] = 0.3f * static_cast<float>(std::sin(k * (0.02 + 0.01 * i)));
              return talker;
            },
            "held"};
  }
  void letGo() {
    std::lock_guard<std::mutex> lock(mutex);
    held = false;
    changed.notify_all();
  }
};

}  // namespace

class TestSpeech : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    engine = new FakeEngine;
    output = new FakeOutput;
    form = new TMainForm;
    form->setSpeechEngine(engine->seam());
    form->setSoundOutput(output);
    form->resize(930, 631);
    form->show();
  }
  void cleanup() {
    engine->open();
    delete form;
    output->drop();
    // Everything handed out came back exactly once.
    QCOMPARE(engine->released, engine->allocated);
    delete output;
    delete engine;
  }

  void texts_data() {
    QTest::addColumn<int>("kind");  // 0 number, 1 sequence
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<int>("tani");
    QTest::addColumn<int>("speed");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("25 with 本 at 90")
        << 0 << 25 << QString() << int(tanHon) << 90
        << QByteArray("<NUMK VAL=25 COUNTER=\x82\xd9\x82\xf1>\x81\x42");
    QTest::newRow("100000 without grouping") << 0 << 100000 << QString() << int(tanNone) << 120
                                             << QByteArray("<NUMK VAL=100000 COUNTER=>\x81\x42");
    QTest::newRow("びょー has the long-vowel mark")
        << 0 << 7 << QString() << int(tanByou) << 50
        << QByteArray("<NUMK VAL=7 COUNTER=\x82\xd1\x82\xe5\x81\x5b>\x81\x42");
    QTest::newRow("4-07 at 150") << 1 << 0 << QStringLiteral("4-07") << 0 << 150
                                 << QByteArray("<NUM VAL=4-07>");
    QTest::newRow("empty sequence") << 1 << 0 << QString() << 0 << 90 << QByteArray("<NUM VAL=>");
  }
  void texts() {
    QFETCH(int, kind);
    QFETCH(int, value);
    QFETCH(QString, sequence);
    QFETCH(int, tani);
    QFETCH(int, speed);
    QFETCH(QByteArray, expected);
    form->RuzdoPole->SetTani(static_cast<TTani>(tani));
    if (kind == 0)
      form->SpeakNumber(value, speed);
    else
      form->SpeakSequence(sequence, speed);
    QCOMPARE(engine->calls.size(), 1);
    QCOMPARE(engine->calls[0].text, expected);
    QCOMPARE(engine->calls[0].speed, speed);
    QCOMPARE(output->played.size(), 1);
  }

  void listeningClickUsesTheGridsCounterNotThePickers() {
    form->RuzdoPole->SetTani(tanZi);
    form->sTani->setCurrentIndex(tanHon);  // chosen but not applied
    PlateButton* three = form->RuzdoPole->Plates()[3];
    QTest::mouseClick(three, Qt::LeftButton);
    QTest::mouseClick(three, Qt::LeftButton);
    // Two utterances, the second cutting off the first; the second comes
    // from the cache without asking the engine again.
    QCOMPARE(output->played.size(), 2);
    QCOMPARE(engine->calls.size(), 1);
    QCOMPARE(engine->calls[0].text, QByteArray("<NUMK VAL=3 COUNTER=\x82\xb6>\x81\x42"));
    QCOMPARE(engine->calls[0].speed, 90);
    QCOMPARE(output->played[0], output->played[1]);
  }

  void speedAndModeAreReadAtTheClick() {
    form->sSpechSpeed->setValue(140);
    form->Mode = ruzdo::DrillMode::kSequences;
    form->RuzdoPole->SetTemplate(QStringLiteral("_-__"));
    PlateButton* plate = form->RuzdoPole->Plates()[0];
    QTest::mouseClick(plate, Qt::LeftButton);
    QCOMPARE(engine->calls.size(), 1);
    QCOMPARE(engine->calls[0].text, "<NUM VAL=" + plate->text().toLatin1() + ">");
    QCOMPARE(engine->calls[0].speed, 140);
  }

  void failedSynthesisShowsErr() {
    engine->fail = true;
    QString seen;
    QTimer::singleShot(0, [&seen] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        seen = box->text() + QLatin1Char('|') + box->windowTitle();
        box->accept();
      }
    });
    form->SpeakNumber(5, 90);
    QCOMPARE(seen, QStringLiteral("Err|Ruzdo"));
    QCOMPARE(output->played.size(), 0);
    // The program goes on: the next utterance is spoken.
    engine->fail = false;
    form->SpeakNumber(6, 90);
    QCOMPARE(output->played.size(), 1);
  }

  void everyWaveformIsReleasedOnceAndTheCacheIsBounded() {
    for (int i = 0; i < 600; ++i) {
      form->SpeakNumber(i, 50 + i % 3);
      output->played.clear();  // a real player keeps only the current one
    }
    QCOMPARE(engine->allocated, 600);
    QVERIFY(form->speechCache().size() <= 256);
    // Those the cache let go of and the player replaced are already back.
    QVERIFY(engine->released >= 600 - 256 - 1);
  }

  void conditionsApplyWhereSoundsAreMade() {
    // Quiet is the engine's own image; a noisy condition is a new one, made
    // from the plain sound kept in the cache, by condition and level.
    engine->wav = true;
    QLabel* level = form->findChild<QLabel*>(QStringLiteral("lNoise"));
    QVERIFY(level && !level->isVisible());
    form->SpeakNumber(5, 90);
    const ruzdo::WaveRef plain = output->played.last();
    QCOMPARE(plain->size(), std::size_t{44 + 3200});
    // Picked in «Параметры обучения», each item with a tool tip of its own.
    auto* picker = form->findChild<QComboBox*>(QStringLiteral("sCondition"));
    QVERIFY(picker);
    QCOMPARE(picker->count(), 5);
    for (int i = 0; i < picker->count(); ++i)
      QVERIFY(!picker->itemData(i, Qt::ToolTipRole).toString().isEmpty());
    picker->setCurrentIndex(picker->findText(QStringLiteral("Улица")));
    QCOMPARE(form->listeningCondition(), QStringLiteral("street"));
    QVERIFY(level->isVisible());
    QCOMPARE(level->accessibleName(), QStringLiteral("Речь громче шума на 15 дБ"));
    // A row of its own, below the counts.
    QVERIFY(level->mapTo(form->gInfo, QPoint(0, 0)).y() >= form->pErr->geometry().bottom());
    form->SpeakNumber(5, 90);
    const ruzdo::WaveRef noisy = output->played.last();
    // 0.3 s of noise before and after the speech at 16 kHz.
    QCOMPARE(noisy->size(), std::size_t{44 + 3200 + 2 * 9600});
    form->setNoiseLevelDb(-9);
    QCOMPARE(level->text(), QStringLiteral("Речь тише шума на 5 дБ"));
    form->SpeakNumber(5, 90);
    QVERIFY(output->played.last() != noisy);
    QCOMPARE(output->played.last()->size(), noisy->size());
    form->setListeningCondition(QStringLiteral("phone"));
    QVERIFY(!level->isVisible());
    form->SpeakNumber(5, 90);
    QCOMPARE(output->played.last()->size(), plain->size());
    QVERIFY(std::memcmp(output->played.last()->data(), plain->data(), plain->size()) != 0);
    form->setListeningCondition(QStringLiteral("no such place"));
    form->SpeakNumber(5, 90);
    QCOMPARE(output->played.last(), plain);
    QCOMPARE(engine->callCount(), 1);
  }

  // --- synthesis on the worker threads ---

  void aClickDoesNotWaitForTheEngine() {
    form->setSpeechOnWorker(true);
    engine->gated = true;
    PlateButton* three = form->RuzdoPole->Plates()[3];
    QTest::mouseClick(three, Qt::LeftButton);  // returns with the engine held
    QVERIFY(form->speechPending());
    QCOMPARE(output->played.size(), 0);
    engine->open();
    QTRY_COMPARE(output->played.size(), 1);
    QVERIFY(!form->speechPending());
    QCOMPARE(FakeEngine::textOf(output->played[0]), QByteArray("<NUMK VAL=3 COUNTER=>\x81\x42"));
    QCOMPARE(engine->calls[0].speed, 90);
    // Heard again from the cache, at once.
    QTest::mouseClick(three, Qt::LeftButton);
    QCOMPARE(output->played.size(), 2);
    QCOMPARE(output->played[1], output->played[0]);
  }

  void theNewestRequestWins() {
    form->setSpeechOnWorker(true);
    // The plates made ahead first, so that only these requests meet the gate.
    QTRY_COMPARE(form->speechCache().size(), std::size_t{10});
    engine->gated = true;
    form->SpeakNumber(21, 90);  // held at the gate
    QTRY_COMPARE(engine->waiting, 1);
    form->SpeakNumber(22, 90);  // waits behind it ...
    form->SpeakNumber(23, 90);  // ... and is replaced by this one
    engine->open();
    QTRY_COMPARE(output->played.size(), 1);
    QCOMPARE(FakeEngine::textOf(output->played[0]), QByteArray("<NUMK VAL=23 COUNTER=>\x81\x42"));
    // Nothing late and stale follows; 22 was never synthesised.
    QTest::qWait(100);
    QCOMPARE(output->played.size(), 1);
    for (const auto& call : std::as_const(engine->calls))
      QVERIFY(!call.text.startsWith("<NUMK VAL=22 "));
    // A cached sound asked for while another is being made wins as well.
    engine->gated = true;
    form->SpeakNumber(24, 90);
    QTRY_COMPARE(engine->waiting, 1);
    form->SpeakNumber(23, 90);
    QCOMPARE(output->played.size(), 2);
    engine->open();
    QTest::qWait(100);
    QCOMPARE(output->played.size(), 2);
    QCOMPARE(FakeEngine::textOf(output->played[1]), QByteArray("<NUMK VAL=23 COUNTER=>\x81\x42"));
  }

  void aFailureOnTheWorkerShowsErr() {
    form->setSpeechOnWorker(true);
    engine->fail = true;
    int failures = 0;
    connect(form, &TMainForm::speechFailed, [&failures] { ++failures; });
    // The box runs its own loop: it is answered from a timer.
    QString seen;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&seen] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        seen += box->text();
        box->accept();
      }
    });
    answer.start(10);
    form->SpeakNumber(5, 90);
    QTRY_COMPARE(failures, 1);
    QCOMPARE(seen, QStringLiteral("Err"));
    QCOMPARE(output->played.size(), 0);
    engine->fail = false;
    form->SpeakNumber(6, 90);
    QTRY_COMPARE(output->played.size(), 1);
  }

  void platesAreMadeAheadAtTheCurrentSpeed() {
    form->setSpeechOnWorker(true);
    // All ten plates at the present speed, without a click.
    QTRY_COMPARE(form->speechCache().size(), std::size_t{10});
    const int made = engine->callCount();
    QCOMPARE(made, 10);
    for (const auto& call : std::as_const(engine->calls)) QCOMPARE(call.speed, 90);
    QTest::mouseClick(form->RuzdoPole->Plates()[7], Qt::LeftButton);
    QCOMPARE(output->played.size(), 1);  // at once, from the cache
    QCOMPARE(engine->callCount(), made);
    // A new speed: made again at that speed.
    form->sSpechSpeed->setValue(120);
    QTRY_COMPARE(form->speechCache().size(), std::size_t{20});
    QCOMPARE(engine->calls.last().speed, 120);
    // A new grid: the new plates' sounds.
    form->sMaxRuzdo->setValue(11);
    form->sApply->click();
    QTRY_VERIFY(form->speechCache().find("<NUMK VAL=11 COUNTER=>\x81\x42", 120) != nullptr);
  }

  void theCrowdWaitsForNoTalkers() {
    // Until its talkers are made, the crowd is heard with the utterance's
    // own babble; they are made only while no sound is wanted from the
    // engine, then kept for the next window, which does not make them.
    QTemporaryDir cache;
    auto talkers = std::make_shared<HeldTalkers>();
    engine->wav = true;
    engine->gated = true;
    ruzdo::SpeechEngine withTalkers = engine->seam();
    withTalkers.talkers = HeldTalkers::source(talkers);
    form->setSpeechEngine(withTalkers);
    form->setSpeechOnWorker(true);
    form->useBabbleCache(cache.path());
    QTRY_VERIFY(engine->waiting > 0);  // the plates are being made
    form->setListeningCondition(QStringLiteral("crowd"));
    QTest::qWait(100);
    QCOMPARE(talkers->asked.load(), 0);
    engine->open();
    QTRY_COMPARE(talkers->asked.load(), 1);
    // Asked while a talker is being made: made before the next talker.
    QTest::mouseClick(form->RuzdoPole->Plates()[2], Qt::LeftButton);
    QVERIFY(!form->babbleReady());
    talkers->letGo();
    QTRY_COMPARE(output->played.size(), 1);
    QTRY_VERIFY(form->babbleReady());
    QTest::mouseClick(form->RuzdoPole->Plates()[2], Qt::LeftButton);
    QTRY_COMPARE(output->played.size(), 2);
    auto bytes = [](const ruzdo::WaveRef& w) {
      return QByteArray(reinterpret_cast<const char*>(w->data()),
                        static_cast<qsizetype>(w->size()));
    };
    QVERIFY(bytes(output->played[0]) != bytes(output->played[1]));  // other talkers

    TMainForm again;
    auto unused = std::make_shared<HeldTalkers>();
    again.useBabbleCache(cache.path());
    ruzdo::SpeechEngine unusedTalkers = ruzdo::SpeechEngine::Onsei();
    unusedTalkers.talkers = HeldTalkers::source(unused);
    again.setSpeechEngine(unusedTalkers);
    again.setListeningCondition(QStringLiteral("crowd"));
    QTRY_VERIFY(again.babbleReady());
    QCOMPARE(unused->asked.load(), 0);
  }

  void platesAreMadeAheadUnderTheCondition() {
    // Made ahead in quiet, then conditioned from those plain sounds at each
    // new level, without the engine; a click only plays.
    engine->wav = true;
    form->setSpeechOnWorker(true);
    QTRY_COMPARE(form->speechCache().size(), std::size_t{10});
    form->setListeningCondition(QStringLiteral("street"));
    QTRY_COMPARE(form->speechCache().size(), std::size_t{20});
    form->setNoiseLevelDb(3);
    QTRY_COMPARE(form->speechCache().size(), std::size_t{30});
    QCOMPARE(engine->callCount(), 10);
    QTest::mouseClick(form->RuzdoPole->Plates()[7], Qt::LeftButton);
    QCOMPARE(output->played.size(), 1);
    QCOMPARE(output->played[0]->size(), std::size_t{44 + 3200 + 2 * 9600});
  }

 private:
  FakeEngine* engine = nullptr;
  FakeOutput* output = nullptr;
  TMainForm* form = nullptr;
};

QTEST_MAIN(TestSpeech)
#include "test_speech.moc"
