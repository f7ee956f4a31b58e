// The speech service without a window: the order in which the engine's work
// is served, the one key of a sound, and that the engine is reached through
// its seam alone.
#include <QTest>
#include <mutex>
#include <string>
#include <vector>

#include "fake_speech.h"
#include "speech/speech_cache.h"
#include "speech/speech_service.h"

using Steps = std::vector<std::string>;
Q_DECLARE_METATYPE(Steps)

class TestSpeechService : public QObject {
  Q_OBJECT
 private slots:
  // After a sound held in the engine, each row's requests ("ask x", "next
  // x", "plates x y", "talkers") are served in the order given.
  void engineWorkOrder_data() {
    QTest::addColumn<Steps>("requests");
    QTest::addColumn<Steps>("served");
    QTest::newRow("asked, next question, plates, talkers")
        << Steps{"talkers", "plates p q", "next n", "ask a"}
        << Steps{"a", "n", "p", "q", "talker 0", "talker 1"};
    QTest::newRow("the newest ask wins") << Steps{"ask a", "ask b"} << Steps{"b"};
    QTest::newRow("an ask takes a sound waiting ahead, once")
        << Steps{"plates p q", "next n", "ask q"} << Steps{"q", "n", "p"};
    QTest::newRow("new plates replace the old") << Steps{"plates p q", "plates r"} << Steps{"r"};
    QTest::newRow("a new next question replaces the old")
        << Steps{"next m", "next n"} << Steps{"n"};
  }
  void engineWorkOrder() {
    QFETCH(Steps, requests);
    QFETCH(Steps, served);
    FakeEngine engine;
    engine.wav = true;
    std::mutex mutex;
    Steps order;
    ruzdo::SpeechEngine seam = engine.seam(true);
    seam.synthesise = [&](const char* koe, int speed, const char* voice, int* size) {
      {
        std::lock_guard<std::mutex> lock(mutex);
        order.push_back(koe);
      }
      return engine.syntheVoice(koe, speed, voice, size);
    };
    seam.talkers = {2,
                    [&](int i) -> std::optional<ruzdo::PcmSound> {
                      std::lock_guard<std::mutex> lock(mutex);
                      order.push_back("talker " + std::to_string(i));
                      return ruzdo::PcmSound{16000, std::vector<float>(1600, 0.1f)};
                    },
                    "test"};
    {
      ruzdo::SpeechService speech(nullptr);
      speech.setEngine(seam);
      speech.setOnWorker(true);
      engine.gated = true;
      speech.ask("held", 90, {});
      QTRY_COMPARE(engine.waiting, 1);
      for (const std::string& request : requests) {
        const auto words = QString::fromStdString(request).split(QLatin1Char(' '));
        const std::string first = words.value(1).toStdString();
        if (words[0] == QLatin1String("ask")) speech.ask(first, 90, {});
        if (words[0] == QLatin1String("next")) speech.makeNext(first, 90, {});
        if (words[0] == QLatin1String("talkers")) speech.setCondition("crowd", 0);
        if (words[0] == QLatin1String("plates")) {
          std::vector<ruzdo::SpeechService::Utterance> plates;
          for (const QString& w : words.mid(1)) plates.push_back({w.toStdString(), {}});
          speech.makePlates(plates, 90);
        }
      }
      engine.open();
      QTRY_COMPARE(order.size(), served.size() + 1);
      QTest::qWait(50);  // and nothing more
      QCOMPARE(Steps(order.begin() + 1, order.end()), served);
      QVERIFY(!speech.pending());
    }
    QCOMPARE(engine.released, engine.allocated);
  }

  // A sound is told apart by every field of its job but the sound attached,
  // and by whether its babble has other talkers, not by which.
  void oneKey() {
    const ruzdo::SynthesisJob base{"a", 90, "mei", "2", "street", 3};
    auto talkers = std::make_shared<const ruzdo::Talkers>();
    std::vector<std::pair<ruzdo::SynthesisJob, bool>> cases = {
        {{"b", 90, "mei", "2", "street", 3}, false},
        {{"a", 91, "mei", "2", "street", 3}, false},
        {{"a", 90, "", "2", "street", 3}, false},
        {{"a", 90, "mei", "", "street", 3}, false},
        {{"a", 90, "mei", "2", "", 3}, false},
        {{"a", 90, "mei", "2", "street", 4}, false},
        {{"a", 90, "mei", "2", "street", 3,
          std::make_shared<ruzdo::WaveImage>(nullptr, 0, nullptr)},
         true},
    };
    ruzdo::SynthesisJob withTalkers = base;
    withTalkers.talkers = talkers;
    cases.push_back({withTalkers, false});
    ruzdo::SpeechCache cache(10, 1000);
    const auto wave = std::make_shared<ruzdo::WaveImage>(nullptr, 1, nullptr);
    cache.insert(base, wave);
    for (const auto& [job, same] : cases) {
      QCOMPARE(job == base, same);
      QCOMPARE(cache.find(job) == wave, same);
    }
    ruzdo::SynthesisJob otherTalkers = withTalkers;
    otherTalkers.talkers = std::make_shared<const ruzdo::Talkers>();
    QVERIFY(otherTalkers == withTalkers);
  }

  // Synthesis, readings and variants go to the engine given, in the exact
  // text, speed and voice; every image goes back to it once.
  void theEngineIsReachedThroughItsSeam() {
    FakeEngine engine;
    QList<QByteArray> read;
    {
      ruzdo::SpeechService speech(nullptr);
      ruzdo::SpeechEngine seam = engine.seam(true);
      seam.reading = [&](const char* koe) {
        read.append(koe);
        return std::string("よみ");
      };
      seam.variantCount = [](const char*) { return 3; };
      speech.setEngine(seam);
      const auto asked = speech.ask("<NUM VAL=1>", 120, "mei");
      QCOMPARE(int(asked.kind), int(ruzdo::SpeechService::Asked::Kind::kNow));
      QCOMPARE(FakeEngine::textOf(asked.wave), QByteArray("<NUM VAL=1>"));
      QCOMPARE(speech.ask("<NUM VAL=1>", 120, "mei").wave, asked.wave);  // kept
      QCOMPARE(engine.callCount(), 1);
      QCOMPARE(engine.calls[0].speed, 120);
      QCOMPARE(engine.calls[0].voice, QByteArray("mei"));
      QCOMPARE(speech.reading("x"), std::string("よみ"));
      QCOMPARE(read, QList<QByteArray>{"x"});
      QCOMPARE(speech.variantCount("y"), 3);
      // A lesson's tag (UTF-8) is counted by the same engine.
      QCOMPARE(ruzdo::TagVariantCount(speech.engine(), "<NUMK VAL=7 COUNTER=じ>"), 3);
      engine.fail = true;
      QCOMPARE(int(speech.ask("<NUM VAL=2>", 120, {}).kind),
               int(ruzdo::SpeechService::Asked::Kind::kFailed));
    }
    QCOMPARE(engine.released, engine.allocated);
  }
};

QTEST_MAIN(TestSpeechService)
#include "test_speech_service.moc"
