// Shift-JIS decoding: code page 932 as Ruzdo builds it, and bytes that are not.
#include "text/shift_jis.hpp"

#include <gtest/gtest.h>

namespace onsei {
namespace {

TEST(ShiftJis, DecodesTheTagTextWithOffsets) {
  // "<NUMK VAL=3 COUNTER=ほん>。" as Ruzdo sends it: 。 is 0x81 0x42.
  const std::string text = "<NUMK VAL=3 COUNTER=\x82\xd9\x82\xf1>\x81\x42";
  auto decoded = DecodeShiftJis(text);
  ASSERT_TRUE(decoded.ok()) << decoded.error().message;
  EXPECT_EQ(decoded->chars, U"<NUMK VAL=3 COUNTER=ほん>。");
  EXPECT_EQ(decoded->offsets.at(20), 20u);
  EXPECT_EQ(decoded->offsets.at(21), 22u);
  EXPECT_EQ(decoded->offsets.back(), 25u);
}

TEST(ShiftJis, LongVowelMarkAndRoundTrip) {
  auto encoded = EncodeShiftJis("びょー");
  ASSERT_TRUE(encoded.ok());
  EXPECT_EQ(encoded->substr(4), "\x81\x5b");  // ー
  auto decoded = DecodeShiftJis(*encoded);
  ASSERT_TRUE(decoded.ok());
  EXPECT_EQ(decoded->chars, U"びょー");
}

TEST(ShiftJis, RefusesBytesThatAreNotShiftJis) {
  for (const std::string& bad : {std::string("\x82"), std::string("a\x80"), std::string("\xfd\x40"),
                                 std::string("\x81\x7f"), std::string("\xa0")}) {
    auto decoded = DecodeShiftJis(bad);
    EXPECT_FALSE(decoded.ok()) << "bytes of length " << bad.size();
  }
}

TEST(ShiftJis, RefusesWhatItCannotHold) {
  EXPECT_FALSE(EncodeShiftJis("\xf0\x9f\x98\x80").ok());  // an emoji
  EXPECT_FALSE(EncodeShiftJis("\xff").ok());              // not UTF-8
}

}  // namespace
}  // namespace onsei
