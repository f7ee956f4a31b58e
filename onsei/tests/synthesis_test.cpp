// The C interface with the real voice: WAV images, failures, speed, level,
// threads, and the voice check.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "labels/full_context.hpp"
#include "onsei/front_end.hpp"
#include "onsei/onsei.h"
#include "text/shift_jis.hpp"
#include "voice/hts_voice.hpp"
#include "voice/voice_file.hpp"
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

// Speech starts almost at once: the voice's opening pause (about 0.4 s) is cut
// to a short lead, at every speed and for every kind of text.
TEST(Synthe, SpeechStartsWithinAShortLead) {
  const struct {
    const char* text;
    int speed;
  } cases[] = {{"<NUMK VAL=25 COUNTER=ほん>。", 100},
               {"<NUMK VAL=3 COUNTER=ほん>。", 50},
               {"<NUM VAL=4-07>", 150},
               {"<NUMK VAL=0 COUNTER=>。", 200}};
  for (const auto& c : cases) {
    const test::Wav w = synthe(sjis(c.text), c.speed);
    ASSERT_TRUE(w.valid) << w.problem;
    std::size_t onset = 0;
    while (onset < w.samples.size() && std::abs(w.samples[onset]) < 327) ++onset;
    ASSERT_LT(onset, w.samples.size()) << c.text;
    EXPECT_GE(onset, static_cast<std::size_t>(w.rate) * 15 / 1000) << c.text << ": onset kept";
    EXPECT_LE(onset, static_cast<std::size_t>(w.rate) * 25 / 1000) << c.text;
  }
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

std::string debianVoice() {
  std::ifstream in(kDebianVoicePath, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string writeTemp(const std::string& name, const std::string& bytes) {
  const std::string path = testing::TempDir() + name;
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  return path;
}

// Replaces the first from in bytes with to; false where bytes has no from.
bool replaceFirst(std::string& bytes, const std::string& from, const std::string& to) {
  const std::size_t at = bytes.find(from);
  if (at == std::string::npos) return false;
  bytes.replace(at, from.size(), to);
  return true;
}

TEST(VoiceCheck, KnowsTheDebianVoiceAndRefusesOtherFiles) {
  EXPECT_TRUE(CheckVoiceFile(kDebianVoicePath).ok());
  const Status missing = CheckVoiceFile("/nonexistent/voice.htsvoice");
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.error().message.find(kDebianVoicePackage), std::string::npos);

  // A garbage file and a truncated copy of the real voice are refused by a
  // test load in a child process, without ending this one.
  EXPECT_FALSE(
      CheckVoiceFile(writeTemp("garbage.htsvoice", "[GLOBAL]\nHTS_VOICE_VERSION:1.0\nnonsense\n"))
          .ok());
  EXPECT_FALSE(CheckVoiceFile(writeTemp("truncated.htsvoice", debianVoice().substr(0, 200000))).ok());
  // A byte-for-byte copy elsewhere is accepted (by its test load).
  EXPECT_TRUE(CheckVoiceFile(writeTemp("copy.htsvoice", debianVoice())).ok());
}

// Voices changed in one field, each of which hts_engine would take and then
// end the process, crash or exhaust memory on. All are refused by their
// structure, before hts_engine sees them.
TEST(VoiceCheck, RefusesCorruptedCopiesOfTheVoice) {
  struct Case {
    const char* from;  // header text to change, or "" for a data word
    std::string to;
    std::size_t dataWord;  // offset in the data of a 32-bit word set to word
    const char* message;
    std::uint32_t word = 0x7FFFFFFF;  // as a float: not a number
  };
  const Case cases[] = {
      {"VECTOR_LENGTH[LPF]:31", "VECTOR_LENGTH[LPF]:30", 0, "even number of low-pass"},
      {"FRAME_PERIOD:240", "FRAME_PERIOD:100000000", 0, "frame period"},
      {"FRAME_PERIOD:240", "FRAME_PERIOD:0", 0, "frame period"},
      {"SAMPLING_FREQUENCY:48000", "SAMPLING_FREQUENCY:0", 0, "sampling rate"},
      {"SAMPLING_FREQUENCY:48000", "SAMPLING_FREQUENCY:4800x", 0, "sampling rate"},
      {"ALPHA=0.55", "ALPHA=1.55", 0, "all-pass"},
      {"ALPHA=0.55", "ALPHA=nan", 0, "all-pass"},
      {"NUM_STREAMS:3", "NUM_STREAMS:9", 0, "streams"},
      {"STREAM_TYPE:MCP,LF0,LPF", "STREAM_TYPE:LF0,MCP,LPF", 0, "streams"},
      {"VECTOR_LENGTH[MCP]:35", "VECTOR_LENGTH[MCP]:36", 0, "PDF counts"},
      {"VECTOR_LENGTH[LF0]:1", "VECTOR_LENGTH[LF0]:2", 0, "pitch vector"},
      {"IS_MSD[LF0]:1", "IS_MSD[LF0]:0", 0, "IS_MSD"},
      {"NUM_WINDOWS[MCP]:3", "NUM_WINDOWS[MCP]:2", 0, "window count"},
      {"NUM_STATES:5", "NUM_STATES:4", 0, "state"},
      {"STREAM_PDF[MCP]:40958-788577", "STREAM_PDF[MCP]:40958-9885770", 0, "position"},
      {"DURATION_PDF:0-9803", "DURATION_PDF:0-", 0, "position"},
      {"\"dur_s2_245\"", "\"dur_s2_945\"", 0, "leaf beyond"},
      {"[DATA]", "[DATO]", 0, "no [DATA]"},
      {"", "", 0, "PDF count"},      // the duration PDF count
      {"", "", 40958, "PDF count"},  // the first spectrum PDF count
      {"", "", 4, "not a number in DURATION_PDF"},
      {"", "", 40958 + 20, "not a number in STREAM_PDF[MCP]", 0x7F800000},  // infinite
      {"", "", 788578 + 40, "not a number in STREAM_PDF[LF0]", 0xFF800000},
      {"", "", 1167762 + 8, "not a number in GV_PDF[LF0]"},
      {"COMMENT:", "COMMENT:" + std::string(1200, 'x'), 0, "longer than 1000"},
  };
  const std::string voice = debianVoice();
  ASSERT_EQ(voice.size(), 1169264u);
  const std::size_t data = voice.find("[DATA]\n") + 7;
  int n = 0;
  for (const Case& c : cases) {
    std::string bytes = voice;
    if (*c.from) {
      ASSERT_TRUE(replaceFirst(bytes, c.from, c.to)) << c.from;
    } else {
      std::memcpy(&bytes[data + c.dataWord], &c.word, 4);  // little-endian, as the file
    }
    const std::string path = writeTemp("corrupt" + std::to_string(n++) + ".htsvoice", bytes);
    const Status s = CheckVoiceFile(path);
    ASSERT_FALSE(s.ok()) << c.from << " -> " << c.to << " @" << c.dataWord;
    EXPECT_NE(s.error().message.find("not a usable voice file"), std::string::npos)
        << s.error().message;
    EXPECT_NE(s.error().message.find(c.message), std::string::npos) << s.error().message;
  }
}

// The Debian voice's header rewritten to the form of the other public
// voices: a mel-generalised cepstrum stream named MGC with GAMMA=0 and
// LN_GAIN, and no GV (neither USE_GV keys nor GV data positions).
std::string generalisedForm(std::string voice) {
  const std::size_t data = voice.find("[DATA]\n");
  std::string header = voice.substr(0, data);
  std::string out;
  for (std::size_t line = 0; line < header.size();) {
    std::size_t end = header.find('\n', line);
    std::string text = header.substr(line, end - line);
    line = end + 1;
    if (text.rfind("USE_GV[", 0) == 0 || text.rfind("GV_", 0) == 0) continue;
    for (std::size_t at; (at = text.find("MCP")) != std::string::npos;) text.replace(at, 3, "MGC");
    if (text.rfind("OPTION[MGC]:", 0) == 0) text = "OPTION[MGC]:GAMMA=0,LN_GAIN=1,ALPHA=0.55";
    out += text + "\n";
  }
  return out + voice.substr(data);
}

// Header forms hts_engine speaks are accepted; near misses are refused.
TEST(VoiceCheck, TheHeaderFormsOfThePublicVoices) {
  struct Case {
    const char* from;  // text of the generalised form to change
    const char* to;
    const char* refusal;  // "" when the result is a voice
  };
  const Case cases[] = {
      {"", "", ""},
      {"GAMMA=0,LN_GAIN=1,ALPHA=0.55", "ALPHA=0.55", ""},
      {"GAMMA=0,LN_GAIN=1,ALPHA=0.55", "LN_GAIN=0,ALPHA=0.42,GAMMA=0", ""},
      {"OPTION[MGC]:GAMMA=0,LN_GAIN=1,ALPHA=0.55", "OPTION[MGC]:", ""},
      {"GAMMA=0,", "GAMMA=1,", "option"},
      {"GAMMA=0,", "GAMMA=-3,", "option"},
      {"LN_GAIN=1", "LN_GAIN=2", "option"},
      {"LN_GAIN=1", "ALPHA=0.3", "option"},
      {"LN_GAIN=1", "XGAMMA=4", "option"},
      {"LN_GAIN=1", "LN_GAIN", "option"},
      {"OPTION[LF0]:", "OPTION[LF0]:GAMMA=0", "option"},
      {"ALPHA=0.55", "ALPHA=0.995", "all-pass"},
      {"IS_MSD[MGC]:0", "IS_MSD[MGC]:0\nUSE_GV[MGC]:1", "GV_PDF[MGC]"},
      {"IS_MSD[MGC]:0", "IS_MSD[MGC]:0\nUSE_GV[MGC]:yes", "USE_GV"},
      {"STREAM_TYPE:MGC,", "STREAM_TYPE:MCP,", "vector length"},
      {"STREAM_TYPE:MGC,", "STREAM_TYPE:XYZ,", "streams MCP"},
      {"STREAM_TYPE:MGC,LF0,LPF", "STREAM_TYPE:MGC,MGC,LPF", "streams MGC,LF0"},
  };
  const std::string voice = generalisedForm(debianVoice());
  for (const Case& c : cases) {
    std::string bytes = voice;
    if (*c.from) {
      ASSERT_TRUE(replaceFirst(bytes, c.from, c.to)) << c.from;
    }
    const Status s = ValidateVoiceImage(bytes);
    if (!*c.refusal) {
      EXPECT_TRUE(s.ok()) << c.to << ": " << s.error().message;
      continue;
    }
    ASSERT_FALSE(s.ok()) << c.from << " -> " << c.to;
    EXPECT_NE(s.error().message.find(c.refusal), std::string::npos) << s.error().message;
  }
  // And hts_engine speaks the generalised form (a test load in a child).
  EXPECT_TRUE(CheckVoiceFile(writeTemp("generalised.htsvoice", voice),
                             MakeLabels(AnalyseUtf8("い'ち。").value()))
                  .ok());
}

// What the voice check once failed on (bad_voices/, from scripts/fuzz.sh) is
// accepted or refused with a message.
TEST(VoiceCheck, EveryFileThatOnceFailedIsHandled) {
  const std::string data = debianVoice().substr(debianVoice().find("\n[DATA]\n"));
  for (const auto& entry : std::filesystem::directory_iterator(ONSEI_BAD_VOICES)) {
    if (!entry.is_regular_file() || entry.path().extension() == ".md") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::string image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (image.find("\n[DATA]\n") == std::string::npos) image += data;
    const Status s = ValidateVoiceImage(image);
    EXPECT_TRUE(s.ok() || !s.error().message.empty()) << entry.path();
  }
}

// Voices whose structure is sound but whose numbers are absurd: every
// duration PDF says "this state lasts millions of frames". Loading works; the
// test synthesis in the child runs out of its memory bound or its time. Which
// of the two comes first for the smaller figure depends on the machine's
// speed, so either refusal is right there.
TEST(VoiceCheck, RefusesVoicesThatFailWhenSpeaking) {
  struct Case {
    float duration;
    std::vector<const char*> messages;
  };
  const Case cases[] = {
      {3e8f, {"hts_engine fails on it"}},
      {1e6f, {"takes longer than 20 s", "hts_engine fails on it"}},
  };
  const auto probe = AnalyseUtf8("い'ち。");
  ASSERT_TRUE(probe.ok());
  const std::vector<std::string> labels = MakeLabels(*probe);
  const std::string voice = debianVoice();
  const std::size_t data = voice.find("[DATA]\n") + 7;
  const std::size_t durationPdfEnd = data + 9804;
  for (const Case& c : cases) {
    std::string bytes = voice;
    for (std::size_t at = data + 4; at < durationPdfEnd; at += 4)
      std::memcpy(&bytes[at], &c.duration, 4);
    const std::string path =
        writeTemp("duration" + std::to_string(static_cast<int>(c.duration)) + ".htsvoice", bytes);
    const Status s = CheckVoiceFile(path, labels);
    ASSERT_FALSE(s.ok()) << c.duration;
    EXPECT_TRUE(std::any_of(c.messages.begin(), c.messages.end(), [&](const char* m) {
      return s.error().message.find(m) != std::string::npos;
    })) << s.error().message;
  }
}

TEST(VoiceCheck, SaysWhatIsWrongWithAPathThatIsNoVoice) {
  const std::string fifo = testing::TempDir() + "voice.fifo";
  ::unlink(fifo.c_str());
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  struct Case {
    std::string path;
    const char* message;
  };
  const Case cases[] = {
      {"/nonexistent/voice.htsvoice", "is missing"},
      {"/dev/zero", "not a usable voice file"},
      {"/dev/null", "not a usable voice file"},
      {testing::TempDir(), "not a usable voice file"},
      {fifo, "not a usable voice file"},
      {writeTemp("empty.htsvoice", ""), "not a usable voice file"},
  };
  for (const Case& c : cases) {
    const Status s = CheckVoiceFile(c.path);
    ASSERT_FALSE(s.ok()) << c.path;
    EXPECT_NE(s.error().message.find(c.message), std::string::npos) << s.error().message;
  }
  ::unlink(fifo.c_str());
}

// A failed check is remembered for the same path, size and modification
// time, and made again once the file changes.
TEST(VoiceCheck, RemembersAFailureUntilTheFileChanges) {
  std::string bad = debianVoice();
  ASSERT_TRUE(replaceFirst(bad, "VECTOR_LENGTH[LPF]:31", "VECTOR_LENGTH[LPF]:30"));
  const std::string path = writeTemp("remembered.htsvoice", bad);
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  EXPECT_FALSE(CheckVoiceFile(path).ok());

  // The same size and time again, now with good bytes: still refused.
  writeTemp("remembered.htsvoice", debianVoice());
  const struct timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  EXPECT_FALSE(CheckVoiceFile(path).ok());

  // A new modification time: checked afresh, and accepted.
  const struct timespec later[2] = {{0, UTIME_NOW}, {before.st_mtim.tv_sec + 5, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), later, 0), 0);
  EXPECT_TRUE(CheckVoiceFile(path).ok());
}

}  // namespace
}  // namespace onsei
