// The C interface with the real voice: WAV images, failures, speed, level,
// threads, and the voice check.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <thread>

#include "onsei/onsei.h"
#include "text/shift_jis.hpp"
#include "voice/hts_voice.hpp"
#include "wav_reader.hpp"

namespace onsei {
namespace {

std::string sjis(const char* utf8) { return EncodeShiftJis(utf8).value(); }

test::Wav synthe(const std::string& text, int speed) {
  int size = -1;
  unsigned char* image = Onsei_Synthe(text.c_str(), speed, &size);
  if (!image) {
    test::Wav w;
    w.problem = Onsei_LastError();
    return w;
  }
  test::Wav w = test::ReadWav(image, static_cast<std::size_t>(size));
  Onsei_FreeWave(image);
  return w;
}

TEST(Synthe, NumberWithCounterIsAWholeWav) {
  const test::Wav w = synthe(sjis("<NUMK VAL=25 COUNTER=ほん>。"), 100);
  ASSERT_TRUE(w.valid) << w.problem;
  EXPECT_EQ(w.channels, 1);
  EXPECT_EQ(w.rate, 48000);
  EXPECT_EQ(w.bits, 16);
  EXPECT_GT(w.speechSeconds(), 0.6);
  EXPECT_LT(w.speechSeconds(), 1.2);
  EXPECT_GT(w.peak(), 3000) << "audible";
  EXPECT_LT(w.peak(), 32000) << "headroom: no sample near full scale";
}

TEST(Synthe, SequencesAndTheEmptySequence) {
  const test::Wav w = synthe("<NUM VAL=4-07>", 150);
  ASSERT_TRUE(w.valid) << w.problem;
  EXPECT_GT(w.speechSeconds(), 0.5);
  const test::Wav empty = synthe("<NUM VAL=>", 90);
  ASSERT_TRUE(empty.valid) << empty.problem;
  EXPECT_EQ(empty.speechSeconds(), 0.0);
}

TEST(Synthe, SpeedScalesTheSpeechEvenly) {
  const std::string text = sjis("<NUMK VAL=25 COUNTER=ほん>。");
  const double normal = synthe(text, 100).speechSeconds();
  const double slow = synthe(text, 50).speechSeconds();
  const double fast = synthe(text, 200).speechSeconds();
  ASSERT_GT(normal, 0);
  EXPECT_NEAR(slow / normal, 2.0, 0.1);
  EXPECT_NEAR(fast / normal, 0.5, 0.05);
}

TEST(Synthe, NoClippingOnLoudUtterances) {
  for (const char* text : {"<NUMK VAL=9999999999999999 COUNTER=ぱーせ'んと>。", "あ'ーーー。"}) {
    const auto s = EncodeShiftJis(text);
    if (!s) continue;
    const test::Wav w = synthe(*s, 100);
    if (!w.valid) continue;
    EXPECT_LT(w.peak(), 32000) << text;
  }
}

TEST(Synthe, FailsWithAMessage) {
  struct Case {
    const char* text;
    int speed;
    bool nullSize;
    const char* message;
  };
  const std::string kanji = sjis("漢字");
  const std::string good = sjis("<NUMK VAL=3 COUNTER=ほん>");
  const Case cases[] = {
      {nullptr, 100, false, "null"},
      {good.c_str(), 100, true, "null"},
      {good.c_str(), 49, false, "speed 49"},
      {good.c_str(), 301, false, "speed 301"},
      {kanji.c_str(), 100, false, "cannot read"},
      {"<NUMK VAL=x COUNTER=>", 100, false, "VAL"},
      {"\x82", 100, false, "two-byte"},
  };
  for (const Case& c : cases) {
    int size = 123;
    unsigned char* image = Onsei_Synthe(c.text, c.speed, c.nullSize ? nullptr : &size);
    EXPECT_EQ(image, nullptr);
    if (!c.nullSize) {
      EXPECT_EQ(size, 0);
    }
    EXPECT_NE(std::string(Onsei_LastError()).find(c.message), std::string::npos)
        << Onsei_LastError();
  }
  Onsei_FreeWave(nullptr);  // harmless
}

// The reading is the one the synthesiser says, and unreadable text fails the
// same way.
TEST(Reading, MatchesWhatIsSaidOrFails) {
  struct Case {
    const char* text;
    const char* reading;  // null: fails with this message instead
    const char* message;
  };
  const Case cases[] = {
      {"<NUMK VAL=25 COUNTER=ほん>。", "にじゅうご'ほん", nullptr},
      {"<NUM VAL=4-07>", nullptr, nullptr},
      {"漢字", nullptr, "cannot read"},
      {"<NUMK VAL=x COUNTER=>", nullptr, "VAL"},
  };
  for (const Case& c : cases) {
    char* reading = Onsei_Reading(sjis(c.text).c_str());
    if (c.message) {
      EXPECT_EQ(reading, nullptr) << c.text;
      EXPECT_NE(std::string(Onsei_LastError()).find(c.message), std::string::npos)
          << Onsei_LastError();
    } else {
      ASSERT_NE(reading, nullptr) << c.text << ": " << Onsei_LastError();
      if (c.reading) {
        EXPECT_STREQ(reading, c.reading);
      }
    }
    Onsei_FreeText(reading);
  }
  EXPECT_EQ(Onsei_Reading(nullptr), nullptr);
  Onsei_FreeText(nullptr);  // harmless
}

// How many readings a text has, and the VARIANT attribute heard in what is
// said and in the reading of what was said.
TEST(Variants, CountedAndSaidThroughTheTag) {
  EXPECT_EQ(Onsei_VariantCount(sjis("<NUMK VAL=7 COUNTER=じ>。").c_str()), 2);
  EXPECT_EQ(Onsei_VariantCount(sjis("<NUMK VAL=5 COUNTER=ほん>。").c_str()), 1);
  EXPECT_EQ(Onsei_VariantCount(sjis("<NUMK VAL=x COUNTER=>").c_str()), 0);
  EXPECT_NE(std::string(Onsei_LastError()).find("VAL"), std::string::npos) << Onsei_LastError();
  EXPECT_EQ(Onsei_VariantCount(nullptr), 0);

  const std::string chosen = sjis("<NUMK VAL=4 COUNTER= VARIANT=2>。");
  char* reading = Onsei_Reading(chosen.c_str());
  ASSERT_NE(reading, nullptr) << Onsei_LastError();
  EXPECT_STREQ(reading, "し'");
  Onsei_FreeText(reading);
  const test::Wav usual = synthe(sjis("<NUMK VAL=4 COUNTER=>。"), 100);
  const test::Wav other = synthe(chosen, 100);
  ASSERT_TRUE(usual.problem.empty() && other.problem.empty()) << other.problem;
  // し is a mora shorter than よん.
  EXPECT_LT(other.samples.size(), usual.samples.size());
}

TEST(Synthe, SafeFromManyThreads) {
  std::vector<std::thread> threads;
  std::vector<int> ok(4, 0);
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([t, &ok] {
      const std::string text = "<NUMK VAL=" + std::to_string(t + 1) + " COUNTER=>";
      for (int i = 0; i < 5; ++i) ok[static_cast<std::size_t>(t)] += synthe(text, 100).valid;
    });
  for (auto& th : threads) th.join();
  for (int n : ok) EXPECT_EQ(n, 5);
}

TEST(VoiceCheck, KnowsTheDebianVoiceAndRefusesOtherFiles) {
  EXPECT_TRUE(CheckVoiceFile(kDebianVoicePath).ok());
  const Status missing = CheckVoiceFile("/nonexistent/voice.htsvoice");
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.error().message.find(kDebianVoicePackage), std::string::npos);

  // A garbage file and a truncated copy of the real voice are refused by a
  // test load in a child process, without ending this one.
  const std::string garbage = testing::TempDir() + "garbage.htsvoice";
  std::ofstream(garbage) << "[GLOBAL]\nHTS_VOICE_VERSION:1.0\nnonsense\n";
  EXPECT_FALSE(CheckVoiceFile(garbage).ok());
  const std::string truncated = testing::TempDir() + "truncated.htsvoice";
  {
    std::ifstream in(kDebianVoicePath, std::ios::binary);
    std::vector<char> bytes(200000);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::ofstream(truncated, std::ios::binary).write(bytes.data(), in.gcount());
  }
  EXPECT_FALSE(CheckVoiceFile(truncated).ok());
  // A byte-for-byte copy elsewhere is accepted (by its test load).
  const std::string copy = testing::TempDir() + "copy.htsvoice";
  {
    std::ifstream in(kDebianVoicePath, std::ios::binary);
    std::ofstream(copy, std::ios::binary) << in.rdbuf();
  }
  EXPECT_TRUE(CheckVoiceFile(copy).ok());
}

}  // namespace
}  // namespace onsei
