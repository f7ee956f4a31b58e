// The waveform cache, the WAV reader of the audio player and the synthesis
// worker.
#include <QTest>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio_player.h"
#include "speech/speech_cache.h"
#include "speech/speech_worker.h"

namespace {

int released = 0;

ruzdo::WaveRef wave(std::size_t size) {
  return std::make_shared<const ruzdo::WaveImage>(new unsigned char[size](), size,
                                                  [](unsigned char* p) {
                                                    ++released;
                                                    delete[] p;
                                                  });
}

QByteArray wavImage(int rate, int channels, int bits, int format, int dataBytes) {
  QByteArray w(44 + dataBytes, '\0');
  auto put = [&w](int at, quint32 v, int n) {
    for (int i = 0; i < n; ++i) w[at + i] = char((v >> (8 * i)) & 0xFF);
  };
  std::memcpy(w.data(), "RIFF", 4);
  put(4, 36 + dataBytes, 4);
  std::memcpy(w.data() + 8, "WAVEfmt ", 8);
  put(16, 16, 4);
  put(20, format, 2);
  put(22, channels, 2);
  put(24, rate, 4);
  put(28, rate * channels * bits / 8, 4);
  put(32, channels * bits / 8, 2);
  put(34, bits, 2);
  std::memcpy(w.data() + 36, "data", 4);
  put(40, dataBytes, 4);
  return w;
}

// Waits up to 5 s for a condition another thread brings about.
template <typename Condition>
bool waitUntil(Condition condition) {
  for (int i = 0; i < 500 && !condition(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return condition();
}

}  // namespace

class TestPlatform : public QObject {
  Q_OBJECT
 private slots:
  void cacheKeepsTheMostRecentWithinItsBounds() {
    released = 0;
    {
      ruzdo::SpeechCache cache(3, 1000);
      cache.insert("a", 90, wave(100));
      cache.insert("b", 90, wave(100));
      cache.insert("c", 90, wave(100));
      QVERIFY(cache.find("a", 90));  // a is now the most recent
      cache.insert("d", 90, wave(100));
      QCOMPARE(cache.size(), size_t{3});
      QVERIFY(!cache.find("b", 90));  // the oldest went
      QCOMPARE(released, 1);
      QVERIFY(!cache.find("a", 120));      // the speed is part of the key
      cache.insert("big", 90, wave(900));  // bytes bound: others go
      QVERIFY(cache.find("big", 90));
      QVERIFY(cache.size() <= 2);
      cache.insert("big", 90, wave(50));  // replacing releases the old one
    }
    QCOMPARE(released, 6);
  }

  void wavReader_data() {
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<bool>("ok");
    QTest::newRow("16-bit mono") << wavImage(48000, 1, 16, 1, 960) << true;
    QTest::newRow("8-bit") << wavImage(48000, 1, 8, 1, 960) << false;
    QTest::newRow("float") << wavImage(48000, 1, 16, 3, 960) << false;
    QTest::newRow("data chunk longer than the image")
        << wavImage(48000, 1, 16, 1, 960).left(500) << false;
    QTest::newRow("header only") << wavImage(48000, 1, 16, 1, 0).left(20) << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("not RIFF") << QByteArray(64, 'x') << false;
  }
  void wavReader() {
    QFETCH(QByteArray, image);
    QFETCH(bool, ok);
    ruzdo::PcmFormat format;
    const char* pcm = nullptr;
    qsizetype bytes = 0;
    QCOMPARE(ruzdo::ParseWav(reinterpret_cast<const unsigned char*>(image.constData()),
                             static_cast<std::size_t>(image.size()), format, pcm, bytes),
             ok);
    if (ok) {
      QCOMPARE(format.rate, 48000);
      QCOMPARE(format.channels, 1);
      QCOMPARE(bytes, qsizetype{960});
      QCOMPARE(pcm, image.constData() + 44);
    }
  }

  void cacheKeysHoldVoiceAndVariant() {
    ruzdo::SpeechCache cache(10, 1u << 20);
    const ruzdo::WaveRef plain = wave(8);
    const ruzdo::WaveRef other = wave(8);
    cache.insert("a", 90, plain);
    cache.insert("a", 90, other, "voice2", "");
    QCOMPARE(cache.find("a", 90), plain);
    QCOMPARE(cache.find("a", 90, "voice2"), other);
    QCOMPARE(cache.find("a", 90, "voice2", "soft"), ruzdo::WaveRef());
  }

  // The worker's thread runs one job at a time; jobs posted replace those
  // not started; results nobody takes and jobs dropped at the end release
  // every image exactly once.
  void workerTakesTheNewestJobsAndReleasesEverything() {
    released = 0;
    std::mutex mutex;
    std::vector<std::string> made;
    std::vector<std::string> done;
    bool hold = true;
    std::condition_variable gate;
    {
      ruzdo::SpeechWorker worker(
          [&](const char* text, int, const char*, int* size) -> unsigned char* {
            std::unique_lock<std::mutex> lock(mutex);
            made.push_back(text);
            gate.wait_for(lock, std::chrono::seconds(5), [&] { return !hold; });
            if (std::string(text) == "fail") return nullptr;
            *size = 4;
            return new unsigned char[4]();
          },
          [](unsigned char* p) {
            ++released;
            delete[] p;
          },
          [&](const ruzdo::SynthesisJob& job, ruzdo::WaveRef w) {
            std::lock_guard<std::mutex> lock(mutex);
            done.push_back(job.text + (w ? "+" : "-"));
          });
      worker.post(ruzdo::SpeechLane::kAsked, {{"a", 90, {}, {}}});
      QVERIFY(waitUntil([&] { return worker.busyWith({"a", 90, {}, {}}); }));
      worker.post(ruzdo::SpeechLane::kAsked, {{"b", 90, {}, {}}, {"c", 90, {}, {}}});
      worker.post(ruzdo::SpeechLane::kAsked,
                  {{"fail", 90, {}, {}}, {"d", 90, {}, {}}});  // b and c go
      QVERIFY(worker.has({"d", 90, {}, {}}));
      QVERIFY(!worker.has({"b", 90, {}, {}}));
      {
        std::lock_guard<std::mutex> lock(mutex);
        hold = false;
      }
      gate.notify_all();
      QVERIFY(waitUntil([&] { return worker.idle(); }));
      worker.post(ruzdo::SpeechLane::kAsked,
                  {{"e", 90, {}, {}}});  // may or may not start before the end
    }
    const std::vector<std::string> expected{"a", "fail", "d"};
    QCOMPARE(std::vector<std::string>(made.begin(), made.begin() + 3), expected);
    QCOMPARE(done[0], std::string("a+"));
    QCOMPARE(done[1], std::string("fail-"));
    QCOMPARE(done[2], std::string("d+"));
    QCOMPARE(released, static_cast<int>(done.size()) - 1);  // all but the failure
  }
};

QTEST_APPLESS_MAIN(TestPlatform)
#include "test_platform.moc"
