// Voice presets: the table, the C interface, the pitch each preset really
// has, and the pitch tracker that measures it.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "onsei/onsei.h"
#include "speech_measures.hpp"
#include "text/shift_jis.hpp"
#include "voice/voice_presets.hpp"
#include "wav_reader.hpp"

namespace onsei {
namespace {

namespace m = measure;

std::vector<unsigned char> bytes(const std::string& sjis, int speed, const char* voice) {
  int size = 0;
  unsigned char* image = voice ? Onsei_SyntheVoice(sjis.c_str(), speed, voice, &size)
                               : Onsei_Synthe(sjis.c_str(), speed, &size);
  if (!image) return {};
  std::vector<unsigned char> out(image, image + size);
  Onsei_FreeWave(image);
  return out;
}

test::Wav wav(const char* utf8, const char* voice) {
  const std::vector<unsigned char> b = bytes(EncodeShiftJis(utf8).value(), 100, voice);
  return test::ReadWav(b.data(), b.size());
}

// --- The pitch tracker ------------------------------------------------------

// One second of a harmonic tone at 48 kHz: the fundamental, a second
// harmonic of the given strength, and a weak third.
std::vector<std::int16_t> tone(double f0, double second) {
  std::vector<std::int16_t> s(48000);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = 2 * std::numbers::pi * f0 * static_cast<double>(i) / 48000;
    s[i] = static_cast<std::int16_t>(
        6000 * (std::sin(t) + second * std::sin(2 * t + 0.3) + 0.3 * std::sin(3 * t + 1)));
  }
  return s;
}

TEST(PitchTrack, FindsTheFundamentalOfHarmonicTones) {
  struct Case {
    double f0;
    double second;  // a strong second harmonic tempts a tracker an octave up
  };
  const Case cases[] = {{65, 0.5},  {100, 2.0}, {133, 1.0}, {180, 2.5},
                        {240, 0.5}, {420, 0.3}, {575, 0.5}, {700, 0.3}};
  for (const Case& c : cases) {
    const std::vector<double> track = m::PitchTrack(tone(c.f0, c.second), 48000);
    const std::vector<double> voiced = m::Voiced(track);
    EXPECT_GT(voiced.size(), track.size() * 9 / 10) << c.f0;
    EXPECT_NEAR(m::Median(voiced), c.f0, c.f0 * 0.01) << c.f0;
    EXPECT_NEAR(m::Quantile(voiced, 0.02), c.f0, c.f0 * 0.02) << "no octave slips at " << c.f0;
    EXPECT_NEAR(m::Quantile(voiced, 0.98), c.f0, c.f0 * 0.02) << "no octave slips at " << c.f0;
  }
}

TEST(PitchTrack, SilenceAndNoiseHaveNoPitch) {
  EXPECT_TRUE(m::Voiced(m::PitchTrack(std::vector<std::int16_t>(48000, 0), 48000)).empty());
  std::vector<std::int16_t> noise(48000);
  std::uint32_t x = 12345;
  for (auto& s : noise) s = static_cast<std::int16_t>((x = x * 1664525u + 1013904223u) >> 18);
  const std::vector<double> track = m::PitchTrack(noise, 48000);
  EXPECT_LT(m::Voiced(track).size(), track.size() / 10);
  EXPECT_TRUE(m::PitchTrack({}, 48000).empty());
  EXPECT_TRUE(m::PitchTrack(noise, 0).empty());
}

// A buzz: every harmonic of f0 up to 8 kHz at 1/k, as a glottal source has.
std::vector<std::int16_t> buzz(double f0, double tilt) {
  std::vector<double> amplitude;
  for (int k = 1; k * f0 < 8000; ++k) amplitude.push_back(std::pow(k, tilt - 1));
  std::vector<std::int16_t> s(48000);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = 2 * std::numbers::pi * f0 * static_cast<double>(i) / 48000;
    double x = 0;
    for (std::size_t k = 0; k < amplitude.size(); ++k)
      x += amplitude[k] * std::sin(static_cast<double>(k + 1) * t);
    s[i] = static_cast<std::int16_t>(4000 * x);
  }
  return s;
}

TEST(SpectralDistance, IgnoresLevelButSeesTimbre) {
  const auto reference = m::LongTermSpectrum(buzz(133, 0), 48000);
  std::vector<std::int16_t> quiet = buzz(133, 0);
  for (auto& s : quiet) s = static_cast<std::int16_t>(s / 4);
  EXPECT_LT(m::SpectralDistance(reference, m::LongTermSpectrum(quiet, 48000)), 0.2);
  // Harmonics falling 3 dB per octave more steeply: a duller voice.
  EXPECT_GT(m::SpectralDistance(reference, m::LongTermSpectrum(buzz(133, -0.5), 48000)), 3.0);
  EXPECT_LT(m::SpectralCentroid(buzz(133, -0.5), 48000), m::SpectralCentroid(buzz(133, 0), 48000));
}

// --- The table and its C interface -------------------------------------------

TEST(VoicePresets, StandardFirstAndEveryShapeWithinSafeBounds) {
  const auto& presets = VoicePresets();
  ASSERT_GE(presets.size(), 4u);
  EXPECT_EQ(presets[0].name, kStandardVoice);
  EXPECT_EQ(presets[0].shape, VoiceShape{}) << "the standard voice leaves the voice alone";
  std::set<std::string> names;
  for (const VoicePreset& p : presets) {
    EXPECT_TRUE(names.insert(p.name).second) << "twice: " << p.name;
    EXPECT_EQ(p.name.find_first_not_of("abcdefghijklmnopqrstuvwxyz-"), std::string::npos)
        << "a name is plain words joined by -: " << p.name;
    EXPECT_FALSE(p.description.empty()) << p.name;
    // Beyond these the voice turns into noise or a cartoon.
    EXPECT_LE(std::fabs(p.shape.halfTones), 12) << p.name;
    EXPECT_LE(std::fabs(p.shape.alphaShift), 0.1) << p.name;
    EXPECT_GE(p.shape.beta, 0) << p.name;
    EXPECT_LE(p.shape.beta, 0.3) << p.name;
    EXPECT_GE(p.shape.tempo, 0.7) << p.name;
    EXPECT_LE(p.shape.tempo, 1.5) << p.name;
  }
  ASSERT_EQ(Onsei_VoiceCount(), static_cast<int>(presets.size()));
  for (int i = 0; i < Onsei_VoiceCount(); ++i)
    EXPECT_STREQ(Onsei_VoiceName(i), presets[static_cast<std::size_t>(i)].name.c_str());
  EXPECT_EQ(Onsei_VoiceName(-1), nullptr);
  EXPECT_EQ(Onsei_VoiceName(Onsei_VoiceCount()), nullptr);
}

// Every file of the table is the one shipped, byte for byte, so that none is
// test-loaded in a child; every voice's file is in the table.
TEST(VoicePresets, TheTableKnowsEveryShippedFileByItsChecksum) {
  std::set<const VoiceFile*> used;
  for (const VoicePreset& p : VoicePresets()) used.insert(p.file);
  for (const VoiceFile& f : VoiceFiles()) {
    EXPECT_TRUE(used.count(&f)) << "no voice speaks with " << f.file;
    EXPECT_TRUE(f.sex == "male" || f.sex == "female") << f.file;
    std::ifstream in(VoiceFilePath(f), std::ios::binary);
    const std::string image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(image.size(), f.bytes) << VoiceFilePath(f);
    EXPECT_EQ(VoiceChecksum(image), f.checksum) << VoiceFilePath(f);
    EXPECT_TRUE(IsKnownVoiceImage(image)) << f.file;
  }
  EXPECT_EQ(VoicePresets().size(), 18u) << "every row of voices.tsv names a file of the table";
}

// Every speaker and style at one loudness, utterance by utterance, and
// within the pitch range of its sex; none clips.
TEST(SyntheVoice, EveryVoiceFileSpeaksAtOneLoudness) {
  const char* const texts[] = {"<NUMK VAL=25 COUNTER=ほん>。", "<NUMK VAL=3 COUNTER=>",
                               "<NUM VAL=090-1234>"};
  std::set<const VoiceFile*> heard;
  for (const VoicePreset& p : VoicePresets()) {
    if (p.name == kStandardVoice || !heard.insert(p.file).second) continue;
    std::vector<double> f0;
    for (const char* text : texts) {
      const test::Wav w = wav(text, p.name.c_str());
      ASSERT_TRUE(w.valid) << p.name << ": " << Onsei_LastError();
      EXPECT_LT(w.peak(), 32000) << p.name << ": " << text;
      EXPECT_NEAR(m::ActiveLevelDb(w.samples, w.rate), -20.4, 0.6) << p.name << ": " << text;
      for (double f : m::Voiced(m::PitchTrack(w.samples, w.rate))) f0.push_back(f);
    }
    if (p.file->sex == "male")
      EXPECT_LT(m::Median(f0), 300) << p.name;
    else
      EXPECT_GT(m::Median(f0), 240) << p.name;
  }
}

// --- Synthesis in a preset ----------------------------------------------------

TEST(SyntheVoice, StandardSaysExactlyWhatOnseiSyntheSays) {
  const std::string texts[] = {EncodeShiftJis("<NUMK VAL=25 COUNTER=ほん>。").value(),
                               "<NUM VAL=4-07>"};
  for (const std::string& text : texts)
    for (int speed : {100, 250}) {
      const auto plain = bytes(text, speed, nullptr);
      ASSERT_FALSE(plain.empty()) << Onsei_LastError();
      EXPECT_EQ(bytes(text, speed, kStandardVoice), plain) << text << " at " << speed;
    }
  // Every other preset in between leaves nothing of itself behind.
  const auto plain = bytes(texts[0], 100, nullptr);
  for (int i = 1; i < Onsei_VoiceCount(); ++i) {
    EXPECT_NE(bytes(texts[0], 100, Onsei_VoiceName(i)), plain) << Onsei_VoiceName(i);
    EXPECT_EQ(bytes(texts[0], 100, nullptr), plain) << "after " << Onsei_VoiceName(i);
  }
}

TEST(SyntheVoice, UnknownOrNullNameFailsWithAMessage) {
  struct Case {
    const char* voice;
    const char* message;
  };
  const Case cases[] = {
      {"bogus", "unknown voice \"bogus\" (the voices are standard, "},
      {"", "unknown voice \"\""},
      {"Standard", "unknown voice \"Standard\""},
      {"standard ", "unknown voice \"standard \""},
      {nullptr, "no voice name (null pointer)"},
  };
  const std::string text = EncodeShiftJis("<NUMK VAL=3 COUNTER=ほん>").value();
  for (const Case& c : cases) {
    int size = 77;
    EXPECT_EQ(Onsei_SyntheVoice(text.c_str(), 100, c.voice, &size), nullptr);
    EXPECT_EQ(size, 0);
    EXPECT_NE(std::string(Onsei_LastError()).find(c.message), std::string::npos)
        << Onsei_LastError();
  }
  // A good name leaves the other checks as they are.
  EXPECT_EQ(Onsei_SyntheVoice(text.c_str(), 301, "low", nullptr), nullptr);
  int size = 0;
  EXPECT_EQ(Onsei_SyntheVoice(text.c_str(), 301, "low", &size), nullptr);
  EXPECT_NE(std::string(Onsei_LastError()).find("speed 301"), std::string::npos);
  EXPECT_EQ(Onsei_SyntheVoice(nullptr, 100, "low", &size), nullptr);
}

TEST(SyntheVoice, PresetsHaveTheirOwnPitchAndPace) {
  const char* const texts[] = {"<NUMK VAL=25 COUNTER=ほん>。", "<NUMK VAL=1984 COUNTER=ねん>。",
                               "<NUM VAL=090-1234>", "<NUMK VAL=350 COUNTER=えん>。"};
  struct Measured {
    double medianF0 = 0;
    double seconds = 0;
  };
  const auto measure = [&](const char* voice) {
    std::vector<double> f0;
    Measured r;
    for (const char* text : texts) {
      const test::Wav w = wav(text, voice);
      EXPECT_TRUE(w.valid) << voice << ": " << text << ": " << Onsei_LastError();
      EXPECT_GT(w.peak(), 3000) << voice;
      EXPECT_LT(w.peak(), 32000) << voice;
      for (double f : m::Voiced(m::PitchTrack(w.samples, w.rate))) f0.push_back(f);
      r.seconds += w.speechSeconds();
    }
    r.medianF0 = m::Median(f0);
    return r;
  };
  const Measured standard = measure("standard"), low = measure("low"), high = measure("high"),
                 fast = measure("fast");
  // Apart by several half tones, in this order, and inside a human range.
  EXPECT_LT(m::Semitones(standard.medianF0, low.medianF0), -3) << low.medianF0;
  EXPECT_GT(m::Semitones(standard.medianF0, high.medianF0), 3) << high.medianF0;
  EXPECT_GT(low.medianF0, 75);
  EXPECT_LT(high.medianF0, 260);
  // The quick talker is quick, at about the standard pitch.
  EXPECT_LT(fast.seconds, 0.85 * standard.seconds);
  EXPECT_LT(std::fabs(m::Semitones(standard.medianF0, fast.medianF0)), 2.5);
}

TEST(SyntheVoice, SafeFromManyThreadsInManyVoices) {
  const std::string text = EncodeShiftJis("<NUMK VAL=8 COUNTER=ひき>").value();
  std::vector<std::vector<unsigned char>> expected;
  for (int v = 0; v < Onsei_VoiceCount(); ++v)
    expected.push_back(bytes(text, 100, Onsei_VoiceName(v)));
  std::vector<int> same(4, 0);  // of 4 calls per thread
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&, t] {
      for (int i = 0; i < 4; ++i) {
        const int v = (t + i) % Onsei_VoiceCount();
        same[static_cast<std::size_t>(t)] +=
            bytes(text, 100, Onsei_VoiceName(v)) == expected[static_cast<std::size_t>(v)];
      }
    });
  for (auto& th : threads) th.join();
  for (int n : same) EXPECT_EQ(n, 4);
}

}  // namespace
}  // namespace onsei
