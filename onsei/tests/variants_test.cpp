// The other accepted readings of numbers: every row of data/variants.tsv read
// back through the front end against the reviewed list in
// tests/data/variant_readings.tsv, the VARIANT attribute as the parser takes
// it, and the table's own consistency.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "data/embedded.hpp"
#include "data/tables.hpp"
#include "onsei/front_end.hpp"
#include "text/phonetic_text.hpp"
#include "text/shift_jis.hpp"
#include "text/utf8.hpp"

namespace onsei {
namespace {

struct VariantCase {
  std::string input;
  int variant = 1;
  std::string reading;
};
void PrintTo(const VariantCase& c, std::ostream* os) { *os << c.input << " #" << c.variant; }

std::vector<VariantCase> loadVariantReadings() {
  std::ifstream in(ONSEI_TEST_DATA "/variant_readings.tsv");
  std::stringstream text;
  text << in.rdbuf();
  std::vector<VariantCase> cases;
  for (const auto& row : ParseTable(text.str()))
    cases.push_back({row.at(0), std::stoi(row.at(1)), row.at(2)});
  return cases;
}

class VariantTable : public testing::TestWithParam<VariantCase> {};

TEST_P(VariantTable, ReadsAsReviewed) {
  const VariantCase& c = GetParam();
  auto utterance = AnalyseUtf8(c.input, c.variant);
  ASSERT_TRUE(utterance.ok()) << c.input << ": " << utterance.error().message;
  EXPECT_EQ(FormatReading(*utterance), c.reading) << c.input << " #" << c.variant;
}

INSTANTIATE_TEST_SUITE_P(Reviewed, VariantTable, testing::ValuesIn(loadVariantReadings()),
                         [](const testing::TestParamInfo<VariantCase>& row) {
                           return "row" + std::to_string(row.index);
                         });

int countOf(const std::string& utf8) {
  auto count = CountVariants(EncodeShiftJis(utf8).value());
  EXPECT_TRUE(count.ok()) << utf8 << ": " << count.error().message;
  return count.ok() ? *count : 0;
}

// The reviewed list holds every reading each of its texts has, 1 ... count,
// and no two of them sound the same.
TEST(VariantTableFile, ListsEveryReadingOfEachText) {
  std::map<std::string, std::map<int, std::string>> byText;
  for (const VariantCase& c : loadVariantReadings()) byText[c.input][c.variant] = c.reading;
  for (const auto& [text, readings] : byText) {
    const int count = countOf(text);
    std::set<std::string> distinct;
    for (int v = 1; v <= count; ++v) {
      ASSERT_TRUE(readings.count(v)) << text << " lacks reading " << v;
      distinct.insert(readings.at(v));
    }
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(count)) << text;
  }
}

// The key of the element a number below 10000 ends in, as counter_classes.tsv
// and variants.tsv name it.
std::string lastKey(int n) {
  if (n == 0) return "0";
  for (int place : {1, 10, 100, 1000})
    if (n / place % 10 != 0) return place == 1 ? std::to_string(n % 10) : std::to_string(place);
  return "0";
}

// Every row of the variant table names a counter the engine knows and a
// change it can make, and the reviewed list reads it: a typo would otherwise
// silently leave a variant unsaid.
TEST(VariantData, EveryRowIsKnownAndReviewed) {
  std::set<std::pair<std::string, std::string>> reviewed;
  for (const VariantCase& c : loadVariantReadings()) {
    const auto val = c.input.find("VAL=");
    const auto counter = c.input.find("COUNTER=");
    if (c.input.find('<', 1) != std::string::npos || c.input.find("VARIANT") != std::string::npos)
      continue;  // one plain tag
    const int n = std::abs(std::stoi(c.input.substr(val + 4)));
    std::string written = c.input.substr(counter + 8, c.input.find('>') - counter - 8);
    reviewed.insert({written.empty() ? "-" : written, lastKey(n)});
  }
  const std::set<std::string> keys = {"0", "1", "2", "3", "4",  "5",
                                      "6", "7", "8", "9", "10", "100"};
  const std::set<std::string> counterChanges = {"-", "semi", "voice"};
  for (const auto& row : ParseTable(EmbeddedTable("variants.tsv"))) {
    ASSERT_GE(row.size(), 4u) << row.at(0);
    const std::string& counter = row[0];
    EXPECT_TRUE(counter == "-" || FindCounter(counter)) << counter;
    EXPECT_TRUE(keys.count(row[1])) << counter << " " << row[1];
    EXPECT_TRUE(row[2] == "-" || row[2] == "gem" || row[2].rfind('=', 0) == 0) << row[2];
    EXPECT_TRUE(counterChanges.count(row[3]) || row[3].rfind('=', 0) == 0) << row[3];
    EXPECT_TRUE(reviewed.count({counter, row[1]})) << counter << " after " << row[1];
  }
}

// What the parser makes of the VARIANT attribute: a reading number, or 1
// (the usual reading) for anything else; the counter stays as it was.
TEST(VariantAttribute, ParsedOrTheUsualReading) {
  struct Case {
    const char* text;
    int variant;  // 0: no attribute
    const char* counter;
  };
  const Case cases[] = {
      {"<NUMK VAL=7 COUNTER=じ>", 0, "じ"},
      {"<NUMK VAL=7 COUNTER=じ  >", 0, "じ"},
      {"<NUMK VAL=7 COUNTER=じ VARIANT=2>", 2, "じ"},
      {"<NUMK VAL=7 COUNTER=じ   VARIANT=3   >", 3, "じ"},
      {"<NUMK VAL=7 COUNTER= VARIANT=2>", 2, ""},
      {"<NUMK VAL=7 COUNTER=じ VARIANT=0>", 1, "じ"},
      {"<NUMK VAL=7 COUNTER=じ VARIANT=-2>", 1, "じ"},
      {"<NUMK VAL=7 COUNTER=じ VARIANT=2x>", 1, "じ"},
      {"<NUMK VAL=7 COUNTER=じ VARIANT=12345>", 1, "じ"},
      {"<NUMK VAL=7 COUNTER=じ VARIANT=9999>", 9999, "じ"},
      {"<NUMK VAL=7 COUNTER=じ VARIANT=>", 1, "じ"},
      {"<NUM VAL=03-1 2 VARIANT=2>", 2, ""},
      {"<NUM VAL=03 VARIANT=x>", 1, ""},
  };
  for (const Case& c : cases) {
    auto decoded = DecodeShiftJis(EncodeShiftJis(c.text).value());
    ASSERT_TRUE(decoded.ok()) << c.text;
    auto tokens = ParsePhoneticText(*decoded);
    ASSERT_TRUE(tokens.ok()) << c.text << ": " << tokens.error().message;
    ASSERT_EQ(tokens->size(), 1u) << c.text;
    EXPECT_EQ(tokens->front().variant, c.variant) << c.text;
    std::u32string counter;
    FromUtf8(c.counter, counter);
    EXPECT_EQ(tokens->front().text, counter) << c.text;
  }
}

// The attribute changes nothing else the parser refuses.
TEST(VariantAttribute, OtherTextAfterTheCounterIsStillRefused) {
  for (const char* text : {"<NUMK VAL=7 COUNTER=ほ ん>", "<NUMK VAL=7 COUNTER=じ VARIANT=2 x>",
                           "<NUMK VAL=7 COUNTER=じ x VARIANT=2>", "<NUMK VAL=7 VARIANT=2>",
                           "<NUM VAL=03 VARIANT=2 x>", "<NUM VAL=03 VARIANT=2 VARIANT=2>"}) {
    auto utterance = AnalyseUtf8(text);
    EXPECT_FALSE(utterance.ok()) << text;
  }
}

// Counting texts: a number with a whole form, a counter outside the table and
// a sequence have one reading; tags multiply; the count is capped.
TEST(VariantCount, OfWholeTexts) {
  struct Case {
    std::string text;
    int count;
  };
  std::string manyTags;
  for (int i = 0; i < 9; ++i) manyTags += "<NUMK VAL=10 COUNTER=ほん>、";
  const Case cases[] = {
      {"ほん'です", 1},
      {"<NUMK VAL=7 COUNTER=にち>", 1},
      {"<NUMK VAL=7 COUNTER=めーとる>", 1},
      {"<NUM VAL=7>", 1},
      {"<NUM VAL=03-1234>", 2},
      {"<NUMK VAL=7 COUNTER=じ>、<NUM VAL=0>", 4},
      {"<NUMK VAL=7 COUNTER=じ>", 2},
      {"<NUMK VAL=7 COUNTER=じ>、<NUMK VAL=10 COUNTER=ほん>", 4},
      {"<NUMK VAL=7 COUNTER=じ VARIANT=1>、<NUMK VAL=10 COUNTER=ほん>", 2},
      {manyTags, 256},
  };
  for (const Case& c : cases) EXPECT_EQ(countOf(c.text), c.count) << c.text;
  EXPECT_FALSE(CountVariants(EncodeShiftJis("<NUMK VAL=x COUNTER=>").value()).ok());
}

}  // namespace
}  // namespace onsei
