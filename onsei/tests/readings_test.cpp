// Readings of numbers, counters, sequences and plain text against the
// reviewed table in data/readings.tsv, and the phonemes they become.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "data/embedded.hpp"
#include "data/tables.hpp"
#include "onsei/front_end.hpp"

namespace onsei {
namespace {

struct ReadingCase {
  std::string input;
  std::string reading;
};
void PrintTo(const ReadingCase& c, std::ostream* os) { *os << c.input; }

std::vector<ReadingCase> loadReadings(const std::string& file = "readings.tsv") {
  std::ifstream in(ONSEI_TEST_DATA "/" + file);
  std::stringstream text;
  text << in.rdbuf();
  std::vector<ReadingCase> cases;
  for (const auto& row : ParseTable(text.str()))
    cases.push_back({row.at(0), row.size() > 1 ? row[1] : std::string()});
  return cases;
}

class ReadingTable : public testing::TestWithParam<ReadingCase> {};

TEST_P(ReadingTable, ReadsAsReviewed) {
  const ReadingCase& c = GetParam();
  auto utterance = AnalyseUtf8(c.input);
  ASSERT_TRUE(utterance.ok()) << c.input << ": " << utterance.error().message;
  EXPECT_EQ(FormatReading(*utterance), c.reading) << c.input;
}

std::string rowName(const testing::TestParamInfo<ReadingCase>& row) {
  return "row" + std::to_string(row.index);
}

INSTANTIATE_TEST_SUITE_P(Reviewed, ReadingTable, testing::ValuesIn(loadReadings()), rowName);
// The compound forms of real life, a table each.
INSTANTIATE_TEST_SUITE_P(Times, ReadingTable, testing::ValuesIn(loadReadings("forms/times.tsv")),
                         rowName);
INSTANTIATE_TEST_SUITE_P(Dates, ReadingTable, testing::ValuesIn(loadReadings("forms/dates.tsv")),
                         rowName);
INSTANTIATE_TEST_SUITE_P(Prices, ReadingTable, testing::ValuesIn(loadReadings("forms/prices.tsv")),
                         rowName);
INSTANTIATE_TEST_SUITE_P(Phones, ReadingTable, testing::ValuesIn(loadReadings("forms/phones.tsv")),
                         rowName);
INSTANTIATE_TEST_SUITE_P(BigNumbers, ReadingTable,
                         testing::ValuesIn(loadReadings("forms/big_numbers.tsv")), rowName);
INSTANTIATE_TEST_SUITE_P(Announcements, ReadingTable,
                         testing::ValuesIn(loadReadings("forms/announcements.tsv")), rowName);

TEST(ReadingTableFile, EveryFormHasItsTable) {
  for (const char* form : {"times", "dates", "prices", "phones", "big_numbers", "announcements"})
    EXPECT_GE(loadReadings(std::string("forms/") + form + ".tsv").size(), 10u) << form;
}

TEST(ReadingTableFile, HoldsEveryCounterAndEnoughRows) {
  const auto cases = loadReadings();
  EXPECT_GT(cases.size(), 600u);
}

// Every accent word of the counter table is one the engine knows, and every
// exception names a last element a number can end in: a typo there would
// silently fall back to the counter's usual accent.
TEST(CounterTable, AccentWordsAreKnown) {
  const std::set<std::string> keys = {"0", "1", "2",  "3",   "4",    "5",     "6",   "7",
                                      "8", "9", "10", "100", "1000", "10000", "oku", "chou"};
  for (const auto& row : ParseTable(EmbeddedTable("counters.tsv"))) {
    ASSERT_GE(row.size(), 4u) << row.at(0);
    std::istringstream words(row[3]);
    std::string word;
    int rules = 0;
    while (words >> word) {
      CounterAccent accent;
      const auto eq = word.find('=');
      if (eq != std::string::npos) {
        EXPECT_TRUE(keys.count(word.substr(0, eq))) << row[0] << ": " << word;
      }
      EXPECT_TRUE(ParseCounterAccent(eq == std::string::npos ? word : word.substr(eq + 1), accent))
          << row[0] << ": " << word;
      rules += eq == std::string::npos;
    }
    EXPECT_EQ(rules, 1) << row[0] << " needs exactly one usual accent";
  }
}

struct PhonemeCase {
  const char* input;
  const char* phonemes;
};
void PrintTo(const PhonemeCase& c, std::ostream* os) { *os << c.input; }

class Phonemes : public testing::TestWithParam<PhonemeCase> {};

TEST_P(Phonemes, Match) {
  auto utterance = AnalyseUtf8(GetParam().input);
  ASSERT_TRUE(utterance.ok()) << utterance.error().message;
  EXPECT_EQ(FormatPhonemes(*utterance), GetParam().phonemes) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Phonemes,
    testing::Values(
        // Sino-Japanese long vowels: じゅう, びょう are long u and long o.
        PhonemeCase{"<NUMK VAL=10 COUNTER=>", "j u u"},
        PhonemeCase{"<NUMK VAL=9 COUNTER=びょー>", "ky u u by o o"},
        // っ and ん.
        PhonemeCase{"<NUMK VAL=3 COUNTER=ほん>", "s a N b o N"},
        PhonemeCase{"<NUMK VAL=6 COUNTER=ほん>", "r o cl p o N"},
        // i and u between voiceless consonants are devoiced...
        PhonemeCase{"<NUMK VAL=7 COUNTER=ひき>", "n a n a h I k i"},
        PhonemeCase{"<NUMK VAL=1 COUNTER=き'ろ>", "i ch I k i r o"},
        // ...but not on the accent nucleus, nor twice in a row.
        PhonemeCase{"ち'か", "ch i k a"}, PhonemeCase{"しちかい", "sh I ch i k a i"},
        // Written kana are said as they stand (う stays u); ー repeats the vowel.
        PhonemeCase{"おもう", "o m o u"}, PhonemeCase{"ぱーせんと", "p a a s e N t o"},
        PhonemeCase{"ティーヴィ", "t i i v i"},
        // The す of です and ます before a pause, but not in a question, nor
        // a す of another word or one carrying the nucleus.
        PhonemeCase{"ほんです。", "h o N d e s U"}, PhonemeCase{"いきます", "i k i m a s U"},
        PhonemeCase{"です、はい", "d e s U pau h a i"},
        PhonemeCase{"<NUMK VAL=3 COUNTER=ほん>です。", "s a N b o N d e s U"},
        PhonemeCase{"ほんです？", "h o N d e s u"}, PhonemeCase{"です'。", "d e s u"},
        PhonemeCase{"いす。", "i s u"}, PhonemeCase{"ですね。", "d e s u n e"},
        // Pauses between breath groups.
        PhonemeCase{"あ、い。う", "a pau i pau u"}, PhonemeCase{"<NUM VAL=>", ""}));

}  // namespace
}  // namespace onsei
