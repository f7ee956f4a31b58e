// Text that the engine must refuse, with a message that says what and where,
// and inputs that once broke something, replayed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "labels/full_context.hpp"
#include "labels/label_check.hpp"
#include "onsei/front_end.hpp"
#include "onsei/limits.hpp"
#include "text/quote.hpp"
#include "text/shift_jis.hpp"

namespace onsei {
namespace {

struct FailureCase {
  const char* input;
  const char* message;  // a part of the expected message
};
void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.input; }

class Refused : public testing::TestWithParam<FailureCase> {};

TEST_P(Refused, WithAMessage) {
  auto utterance = AnalyseUtf8(GetParam().input);
  ASSERT_FALSE(utterance.ok()) << GetParam().input;
  EXPECT_NE(utterance.error().message.find(GetParam().message), std::string::npos)
      << utterance.error().message;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refused,
    testing::Values(
        FailureCase{"漢字", "cannot read \"漢\" at byte 0"}, FailureCase{"あい漢", "at byte 4"},
        FailureCase{"<FOO VAL=1>", "unknown tag"},
        FailureCase{"<NUMK VAL=3 COUNTER=ほん", "not closed"},
        FailureCase{"<NUMK VAL=3 <NUM VAL=1>", "not closed"}, FailureCase{"あ>", "closes no tag"},
        FailureCase{"'あ", "no mora before it"}, FailureCase{"ーあ", "no vowel before it"},
        FailureCase{"あ'い'う", "two accent marks"}, FailureCase{"か'き'", "two accent marks"},
        FailureCase{"<NUMK VAL= COUNTER=>", "no digits"},
        FailureCase{"<NUMK VAL=- COUNTER=>", "no digits"},
        FailureCase{"<NUMK VAL=1.5 COUNTER=>", "not a whole decimal number"},
        FailureCase{"<NUMK VAL=+1 COUNTER=>", "not a whole decimal number"},
        FailureCase{"<NUMK VAL=12345678901234567 COUNTER=>", "more than 16 digits"},
        FailureCase{"<NUMK VAL=3>", "no COUNTER="}, FailureCase{"<NUMK COUNTER=ほん>", "no VAL="},
        FailureCase{"<NUMK VAL=3 COUNTER=本>", "not kana"},
        FailureCase{"<NUMK VAL=3 COUNTER='ほん>", "no mora before it"},
        FailureCase{"<NUM VAL=1#2>", "cannot read \"#\""}, FailureCase{"<NUM>", "unknown tag"},
        FailureCase{"<NUMK VAL=１ COUNTER=>", "holds \"１\": only ASCII"},
        FailureCase{"<NUM VAL=1\t2>", "holds \"\\x09\""}));

TEST(Accepted, LargestNumberAndEmptyForms) {
  EXPECT_TRUE(AnalyseUtf8("<NUMK VAL=9999999999999999 COUNTER=ほん>").ok());
  EXPECT_TRUE(AnalyseUtf8("<NUMK VAL=0000000000000000000001 COUNTER=>").ok());
  EXPECT_TRUE(AnalyseUtf8("").ok());
  EXPECT_TRUE(AnalyseUtf8("  、。").ok());
  auto empty = AnalyseUtf8("<NUM VAL=>");
  ASSERT_TRUE(empty.ok());
  EXPECT_TRUE(empty->empty());
}

std::string repeat(const std::string& piece, std::size_t times) {
  std::string out;
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

// Text is bounded so that no call runs for minutes or takes gigabytes: the
// limits themselves are accepted, one more is refused before synthesis.
TEST(Limits, AtTheLimitAcceptedBeyondRefused) {
  struct Case {
    std::string atLimit;
    std::string beyond;
    const char* message;
  };
  const Case cases[] = {
      {std::string(kMaxTextBytes, ' '), std::string(kMaxTextBytes + 1, ' '), "bytes long"},
      {repeat("<NUMK VAL=1 COUNTER=>、", kMaxNumberTags),
       repeat("<NUMK VAL=1 COUNTER=>、", kMaxNumberTags + 1), "number tags"},
      {repeat("あいうえおかきくけこ。", kMaxMoras / 10),
       repeat("あいうえおかきくけこ。", kMaxMoras / 10) + "あ", "moras long"},
      {repeat("あ", kMaxMorasWithoutPause), repeat("あ", kMaxMorasWithoutPause + 1),
       "moras without a pause"},
      {repeat("あ/", kMaxPhrasesWithoutPause), repeat("あ/", kMaxPhrasesWithoutPause + 1),
       "accent phrases without a pause"},
  };
  for (const Case& c : cases) {
    const auto sjisAt = EncodeShiftJis(c.atLimit);
    const auto sjisBeyond = EncodeShiftJis(c.beyond);
    ASSERT_TRUE(sjisAt.ok() && sjisBeyond.ok());
    const auto at = AnalyseText(*sjisAt);
    EXPECT_TRUE(at.ok()) << c.message << ": " << (at.ok() ? "" : at.error().message);
    const auto beyond = AnalyseText(*sjisBeyond);
    ASSERT_FALSE(beyond.ok()) << c.message;
    EXPECT_NE(beyond.error().message.find(c.message), std::string::npos) << beyond.error().message;
  }
}

// Messages quote at most a short, escaped piece of the input: never all of a
// long input, never a NUL or a control character that would cut or garble
// the message where it is shown.
TEST(Messages, QuoteShortEscapedPieces) {
  struct Case {
    std::string input;  // raw Shift-JIS
    const char* expected;
  };
  const Case cases[] = {
      {"<NUMK VAL=" + std::string(kMaxTextBytes - 30, '7') + " COUNTER=>", "longer than 64"},
      {"<NUM VAL=" + std::string(100, 'x') + ">", "longer than 64"},
      {std::string("\x82\xA0\0\x82\xA2", 5), "\"\\x00\" at byte 2"},
      {std::string("<NUM VAL=1\0 2>", 15), "\"\\x00\""},
      {"\x1B[31m", "\"\\x1B\" at byte 0"},
      {"<" + std::string(3000, 'A') + ">",
       "unknown tag at byte 0: \"<AAAAAAAAAAAAAAAAAAAAAAA\"..."},
      {"<FOO \"bar\\>", "\"<FOO \\\"bar\\\\>\""},
  };
  for (const Case& c : cases) {
    const auto u = AnalyseText(c.input);
    ASSERT_FALSE(u.ok()) << c.expected;
    const std::string& m = u.error().message;
    EXPECT_NE(m.find(c.expected), std::string::npos) << m;
    EXPECT_LT(m.size(), 200u) << m;
    EXPECT_EQ(m.find('\0'), std::string::npos) << m;
    for (char ch : m) EXPECT_FALSE(ch > 0 && ch < 0x20) << m;
  }
}

TEST(Messages, QuoteKeepsPrintableTextAndCountsCharacters) {
  EXPECT_EQ(QuoteInput(U"にじゅう"), "\"にじゅう\"");
  EXPECT_EQ(QuoteInput(U"abcdef", 3), "\"abc\"...");
  EXPECT_EQ(QuoteInput(std::u32string(U"a\u2028\U0001F600\x85", 4)),
            "\"a\\u{2028}\U0001F600\\x85\"");
  EXPECT_EQ(QuoteBytes(std::string("a\xFF\0", 3)), "\"a\\xFF\\x00\"");
  EXPECT_EQ(QuoteBytes(std::string(100, 'z'), 2), "\"zz\"...");
}

TEST(Accepted, MinusZeroIsZero) {
  const auto zero = AnalyseUtf8("<NUMK VAL=0 COUNTER=こ>");
  for (const char* text : {"<NUMK VAL=-0 COUNTER=こ>", "<NUMK VAL=-000 COUNTER=こ>"}) {
    const auto u = AnalyseUtf8(text);
    ASSERT_TRUE(u.ok() && zero.ok()) << text;
    EXPECT_EQ(FormatReading(*u), FormatReading(*zero)) << text;
  }
}

// Files in bad_input/ are raw Shift-JIS that once crashed or misbehaved; each
// must now give either an error or an utterance whose labels pass the label
// check, never a crash.
TEST(BadInput, EveryFileIsHandled) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ONSEI_BAD_INPUT)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    auto utterance = AnalyseText(bytes.str());
    if (!utterance.ok()) {
      EXPECT_FALSE(utterance.error().message.empty()) << entry.path();
    } else {
      const Status labels = CheckLabels(MakeLabels(*utterance));
      EXPECT_TRUE(labels.ok()) << entry.path() << ": " << labels.error().message;
    }
    ++files;
  }
  EXPECT_GT(files, 0);
}

}  // namespace
}  // namespace onsei
