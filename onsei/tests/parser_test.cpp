// Text that the engine must refuse, with a message that says what and where,
// and inputs that once broke something, replayed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "onsei/front_end.hpp"

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
        FailureCase{"<NUM VAL=1#2>", "cannot read \"#\""}, FailureCase{"<NUM>", "unknown tag"}));

TEST(Accepted, LargestNumberAndEmptyForms) {
  EXPECT_TRUE(AnalyseUtf8("<NUMK VAL=9999999999999999 COUNTER=ほん>").ok());
  EXPECT_TRUE(AnalyseUtf8("<NUMK VAL=0000000000000000000001 COUNTER=>").ok());
  EXPECT_TRUE(AnalyseUtf8("").ok());
  EXPECT_TRUE(AnalyseUtf8("  、。").ok());
  auto empty = AnalyseUtf8("<NUM VAL=>");
  ASSERT_TRUE(empty.ok());
  EXPECT_TRUE(empty->empty());
}

// Files in bad_input/ are raw Shift-JIS that once crashed or misbehaved; each
// must now give either an utterance or an error, never a crash.
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
    }
    ++files;
  }
  EXPECT_GT(files, 0);
}

}  // namespace
}  // namespace onsei
