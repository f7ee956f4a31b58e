// Listening conditions: what each does to the sound, measured on it.
#include <sys/mman.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstring>

#include "speech/speech_engine.h"
#include "core/listening_condition.h"
#include "core/pcm_wave.h"
#include "core/speech_text.h"
#include "core/talkers_file.h"
#include "onsei/onsei.h"

using ruzdo::ListeningCondition;
using Bytes = std::vector<unsigned char>;
Q_DECLARE_METATYPE(ListeningCondition)
Q_DECLARE_METATYPE(Bytes)

namespace {

// The engine saying a plate's number, as the program hears it.
const Bytes& utterance() {
  static const Bytes wav = [] {
    int size = 0;
    const auto text = ruzdo::ToShiftJis("<NUMK VAL=47 COUNTER=ほん>。");
    unsigned char* image = Onsei_Synthe(text->c_str(), 100, &size);
    Bytes bytes = image ? Bytes(image, image + size) : Bytes();
    Onsei_FreeWave(image);
    return bytes;
  }();
  return wav;
}

// The amplitude of the frequency hz in x (correlation with its sine and cosine).
double amplitude(const std::vector<float>& x, int rate, double hz) {
  double c = 0, s = 0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    const double phase = 2 * M_PI * hz * static_cast<double>(i) / rate;
    c += x[i] * std::cos(phase);
    s += x[i] * std::sin(phase);
  }
  return 2 * std::hypot(c, s) / static_cast<double>(x.size());
}

// A copy of bytes that ends where readable memory ends: a read past the
// copy ends the test.
class AtPageEnd {
 public:
  explicit AtPageEnd(const Bytes& bytes) {
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    size_ = (bytes.size() / page + 2) * page;
    base_ = static_cast<unsigned char*>(
        ::mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    ::mprotect(base_ + size_ - page, page, PROT_NONE);
    data_ = base_ + size_ - page - bytes.size();
    std::copy(bytes.begin(), bytes.end(), data_);
  }
  ~AtPageEnd() { ::munmap(base_, size_); }
  const unsigned char* data() const { return data_; }

 private:
  unsigned char* base_;
  unsigned char* data_;
  std::size_t size_;
};

ruzdo::ConditionRequest request(ListeningCondition condition, double db, std::uint32_t seed) {
  return {condition, db, seed, &ruzdo::BabbleTalkers()};
}

}  // namespace

class TestListeningCondition : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QVERIFY2(!utterance().empty(), Onsei_LastError()); }

  void quietIsUntouched() {
    // Even an image with chunks of its own comes back as it went in.
    Bytes odd = utterance();
    odd.insert(odd.begin() + 36, {'L', 'I', 'S', 'T', 2, 0, 0, 0, 'a', 'b'});
    for (const Bytes& wav : {utterance(), odd}) {
      const auto heard = ruzdo::ApplyListeningCondition(wav.data(), wav.size(), request({}, 15, 1));
      QVERIFY(heard);
      QVERIFY(*heard == wav);
    }
  }

  void phoneBand_data() {
    QTest::addColumn<int>("rate");
    QTest::newRow("the engine's rate") << 48000;
    QTest::newRow("16 kHz") << 16000;
  }
  void phoneBand() {
    // Tones below, in and above the band, one second of each at once.
    QFETCH(int, rate);
    const std::vector<double> outside = {80, 150, 3800, 5000, 7000};
    const std::vector<double> inside = {400, 1000, 2000, 3000};
    ruzdo::PcmSound tones{rate, std::vector<float>(static_cast<std::size_t>(rate))};
    for (const auto& set : {outside, inside})
      for (double hz : set)
        for (std::size_t i = 0; i < tones.samples.size(); ++i)
          tones.samples[i] += 0.05f * static_cast<float>(std::sin(2 * M_PI * hz * i / rate));
    const auto parts =
        ruzdo::RenderConditionParts(tones, request(ListeningCondition::kPhone, 0, 1));
    QVERIFY(parts);
    QCOMPARE(parts->speech.size(), tones.samples.size());
    QCOMPARE(ruzdo::SpeechToNoiseDb(parts->speech, parts->noise, 0, parts->speech.size()), 1000.0);
    double band = 0;
    for (double hz : inside) band += amplitude(parts->speech, rate, hz) / 4;
    for (double hz : outside) {
      const double db = 20 * std::log10(amplitude(parts->speech, rate, hz) / band);
      if (db > -30) QFAIL(qPrintable(QString("%1 Hz at %2 dB of the band").arg(hz).arg(db)));
    }
  }

  void speechToNoise_data() {
    QTest::addColumn<ListeningCondition>("condition");
    QTest::addColumn<double>("db");
    for (const auto& [c, name] : {std::pair{ListeningCondition::kStreet, "street"},
                                  std::pair{ListeningCondition::kCrowd, "crowd"},
                                  std::pair{ListeningCondition::kStation, "station"}})
      for (double db : {15.0, -5.0}) QTest::addRow("%s at %g dB", name, db) << c << db;
  }
  void speechToNoise() {
    // What was heard less the speech alone is the noise.
    QFETCH(ListeningCondition, condition);
    QFETCH(double, db);
    const Bytes& wav = utterance();
    const auto heard =
        ruzdo::ApplyListeningCondition(wav.data(), wav.size(), request(condition, db, 7));
    QVERIFY(heard);
    const auto sound = ruzdo::ReadPcmWave(heard->data(), heard->size());
    const auto parts = ruzdo::RenderConditionParts(*ruzdo::ReadPcmWave(wav.data(), wav.size()),
                                                   request(condition, db, 7));
    QVERIFY(sound && parts);
    QCOMPARE(sound->samples.size(), parts->speech.size());
    const std::size_t lead = parts->speechBegin;
    QVERIFY(lead >= static_cast<std::size_t>(0.3 * sound->rateHz));
    std::vector<float> noise(sound->samples.size());
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = sound->samples[i] - parts->speech[i];
    const double measured = ruzdo::SpeechToNoiseDb(parts->speech, noise, lead, parts->speechEnd);
    if (std::abs(measured - db) > 2) QFAIL(qPrintable(QString("measured %1 dB").arg(measured)));
    // The noise is heard before the speech, faded in from nothing.
    QCOMPARE(noise.front(), 0.0f);
    QVERIFY(ruzdo::SpeechToNoiseDb(noise, std::vector<float>(noise.size(), 1e-3f), lead / 2, lead) >
            -20);
  }

  void sameSeedSameSound_data() {
    QTest::addColumn<ListeningCondition>("condition");
    for (const auto& info : ruzdo::ListeningConditions())
      if (info.noisy) QTest::newRow(info.key.data()) << info.condition;
  }
  void sameSeedSameSound() {
    QFETCH(ListeningCondition, condition);
    const Bytes& wav = utterance();
    auto make = [&](std::uint32_t seed) {
      return ruzdo::ApplyListeningCondition(wav.data(), wav.size(), request(condition, 5, seed));
    };
    QVERIFY(make(3) == make(3));
    QVERIFY(make(3) != make(4));
  }

  void badInputFails_data() {
    QTest::addColumn<Bytes>("wav");
    const Bytes& good = utterance();
    auto changed = [&](std::size_t at, std::initializer_list<unsigned char> bytes) {
      Bytes b = good;
      std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
      return b;
    };
    QTest::newRow("empty") << Bytes();
    QTest::newRow("header only") << Bytes(good.begin(), good.begin() + 12);
    QTest::newRow("cut in the format") << Bytes(good.begin(), good.begin() + 30);
    QTest::newRow("no samples") << Bytes(good.begin(), good.begin() + 44);
    QTest::newRow("data longer than the image") << Bytes(good.begin(), good.end() - 2);
    QTest::newRow("odd data size") << changed(40, {0x01, 0x00, 0x00, 0x00});
    QTest::newRow("huge chunk") << changed(16, {0xff, 0xff, 0xff, 0xff});
    QTest::newRow("stereo") << changed(22, {2});
    QTest::newRow("8-bit") << changed(34, {8});
    QTest::newRow("float") << changed(20, {3});
    QTest::newRow("rate 0") << changed(24, {0, 0, 0, 0});
    QTest::newRow("not RIFF") << changed(0, {'R', 'I', 'F', 'X'});
    Bytes unpadded = good;
    unpadded.resize(45);
    const unsigned char odd[] = {'L', 'I', 'S', 'T', 1, 0, 0, 0, 'x'};
    std::memcpy(unpadded.data() + 36, odd, sizeof odd);
    QTest::newRow("an odd chunk last, without its pad byte") << unpadded;
  }
  void badInputFails() {
    QFETCH(Bytes, wav);
    const AtPageEnd image(wav);
    for (const auto& info : ruzdo::ListeningConditions())
      if (info.condition != ListeningCondition::kQuiet)
        QVERIFY(!ruzdo::ApplyListeningCondition(image.data(), wav.size(),
                                                request(info.condition, 0, 1)));
  }

  void keptTalkersSoundTheSame() {
    // Talkers read back from their file make the very sound the made ones do.
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("cache/talkers.bin")).toStdString();
    QVERIFY(ruzdo::WriteTalkersFile(file, ruzdo::BabbleTalkers(), "key"));
    const auto kept = ruzdo::ReadTalkersFile(file, "key");
    QVERIFY(kept);
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.filePath(QStringLiteral("cache"))).entryList(QDir::Files),
             QStringList{QStringLiteral("talkers.bin")});
    const Bytes& wav = utterance();
    for (ListeningCondition c : {ListeningCondition::kCrowd, ListeningCondition::kStation}) {
      ruzdo::ConditionRequest fromFile = request(c, 0, 9);
      fromFile.talkers = &*kept;
      QVERIFY(ruzdo::ApplyListeningCondition(wav.data(), wav.size(), fromFile) ==
              ruzdo::ApplyListeningCondition(wav.data(), wav.size(), request(c, 0, 9)));
    }
  }

  void damagedOrForeignTalkersAreRefused_data() {
    QTest::addColumn<Bytes>("bytes");
    QTest::addColumn<QByteArray>("key");
    const Bytes good = ruzdo::EncodeTalkers(ruzdo::BabbleTalkers(), "key");
    auto flipped = [&](std::size_t at) {
      Bytes b = good;
      b[at] ^= 0x40;
      return b;
    };
    Bytes noise(4096);
    for (std::size_t i = 0; i < noise.size(); ++i)
      noise[i] = static_cast<unsigned char>(i * 131 + 7);
    QTest::newRow("another key") << good << QByteArray("other");
    QTest::newRow("empty") << Bytes() << QByteArray("key");
    QTest::newRow("random bytes") << noise << QByteArray("key");
    QTest::newRow("cut short") << Bytes(good.begin(), good.end() - 1) << QByteArray("key");
    QTest::newRow("a sample changed") << flipped(good.size() / 2) << QByteArray("key");
    QTest::newRow("a count changed") << flipped(20) << QByteArray("key");
    QTest::newRow("the checksum changed") << flipped(good.size() - 1) << QByteArray("key");
  }
  void damagedOrForeignTalkersAreRefused() {
    QFETCH(Bytes, bytes);
    QFETCH(QByteArray, key);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("talkers.bin")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    file.close();
    QVERIFY(!ruzdo::ReadTalkersFile(file.fileName().toStdString(), key.toStdString()));
    // Made again, they are written over it.
    QVERIFY(ruzdo::WriteTalkersFile(file.fileName().toStdString(), ruzdo::BabbleTalkers(),
                                    key.toStdString()));
    QVERIFY(ruzdo::ReadTalkersFile(file.fileName().toStdString(), key.toStdString()));
  }

  void talkersThatCannotBeWrittenLeaveNothing() {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("data")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!ruzdo::WriteTalkersFile((blocker.fileName() + "/Ruzdo/talkers.bin").toStdString(),
                                     ruzdo::BabbleTalkers(), "key"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("data")});
  }

  void shortSoundIsPadded() {
    // Ten samples of speech still get their lead and tail of noise.
    const Bytes wav = ruzdo::WritePcmWave({16000, std::vector<float>(10, 0.5f)});
    for (const auto& info : ruzdo::ListeningConditions()) {
      const auto heard =
          ruzdo::ApplyListeningCondition(wav.data(), wav.size(), request(info.condition, -5, 1));
      QVERIFY(heard);
      const auto sound = ruzdo::ReadPcmWave(heard->data(), heard->size());
      QVERIFY(sound);
      QCOMPARE(sound->samples.size(), info.noisy ? 10u + 2 * 4800u : 10u);
    }
  }
};

QTEST_APPLESS_MAIN(TestListeningCondition)
#include "test_listening_condition.moc"
