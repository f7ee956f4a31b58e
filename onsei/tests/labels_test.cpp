// Full-context labels: the positional fields on the edge cases, and the check
// that keeps malformed labels away from hts_engine.
#include <gtest/gtest.h>

#include "labels/full_context.hpp"
#include "labels/label_check.hpp"
#include "onsei/front_end.hpp"

namespace onsei {
namespace {

std::vector<std::string> labelsOf(const char* text) {
  auto u = AnalyseUtf8(text);
  EXPECT_TRUE(u.ok()) << text;
  return u.ok() ? MakeLabels(*u) : std::vector<std::string>();
}

// The value of one field ("A", "F", ...) of a label.
std::string field(const std::string& label, const char* name) {
  const std::string key = std::string("/") + name + ":";
  const auto start = label.find(key);
  if (start == std::string::npos) return "?";
  const auto from = start + key.size();
  const auto end = label.find('/', from);
  return label.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

std::string phoneme(const std::string& label) {
  const auto minus = label.find('-');
  return label.substr(minus + 1, label.find('+') - minus - 1);
}

TEST(Labels, OneMoraPhraseAlone) {
  // "ご'" : one mora, accent 1.
  const auto l = labelsOf("<NUMK VAL=5 COUNTER=>");
  ASSERT_EQ(l.size(), 4u);  // sil g o sil
  EXPECT_EQ(l[0].substr(0, 13), "xx^xx-sil+g=o");
  EXPECT_EQ(field(l[1], "A"), "0+1+1");
  EXPECT_EQ(field(l[1], "F"), "1_1#0_xx@1_1|1_1");
  EXPECT_EQ(field(l[0], "G"), "1_1%0_xx_xx");
  EXPECT_EQ(field(l[3], "E"), "1_1!0_xx-xx");
  EXPECT_EQ(field(l[3], "H"), "1_1");
  EXPECT_EQ(field(l[0], "J"), "1_1");
  for (const auto& label : l) EXPECT_EQ(field(label, "K"), "1+1-1");
}

TEST(Labels, FlatPhraseCountsItsMoraeAsItsAccent) {
  const auto l = labelsOf("あめ");
  EXPECT_EQ(field(l[1], "A"), "-1+1+2");
  EXPECT_EQ(field(l[1], "F"), "2_2#0_xx@1_1|1_2");
}

TEST(Labels, PhrasesWithAndWithoutAPauseBetween) {
  // Breath group 1: two phrases; then a pause; breath group 2: one phrase.
  const auto l = labelsOf("か'な/まめ、の'");
  std::vector<std::string> phonemes;
  for (const auto& label : l) phonemes.push_back(phoneme(label));
  const std::vector<std::string> expected = {"sil", "k", "a",   "n", "a", "m",  "a",
                                             "m",   "e", "pau", "n", "o", "sil"};
  ASSERT_EQ(phonemes, expected);
  // "a" of まめ: second phrase of its group, the previous phrase is joined
  // without a pause, the next one comes after a pause.
  EXPECT_EQ(field(l[6], "E"), "2_1!0_xx-1");
  EXPECT_EQ(field(l[6], "F"), "2_2#0_xx@2_1|3_2");
  EXPECT_EQ(field(l[6], "G"), "1_1%0_xx_0");
  EXPECT_EQ(field(l[6], "I"), "2-4@1+2&1-3|1+5");
  EXPECT_EQ(field(l[6], "J"), "1_1");
  // The pause takes its neighbours from both sides.
  EXPECT_EQ(field(l[9], "A"), "xx+xx+xx");
  EXPECT_EQ(field(l[9], "E"), "2_2!0_xx-xx");
  EXPECT_EQ(field(l[9], "G"), "1_1%0_xx_xx");
  EXPECT_EQ(field(l[9], "H"), "2_4");
  EXPECT_EQ(field(l[9], "J"), "1_1");
  EXPECT_EQ(field(l[9], "I"), "xx-xx@xx+xx&xx-xx|xx+xx");
  // "o" after the pause: second breath group of two.
  EXPECT_EQ(field(l[11], "E"), "2_2!0_xx-0");
  EXPECT_EQ(field(l[11], "I"), "1-1@2+1&3-1|5+1");
  EXPECT_EQ(field(l[11], "H"), "2_4");
  for (const auto& label : l) EXPECT_EQ(field(label, "K"), "2+3-5");
}

TEST(Labels, QuestionMarksItsPhrase) {
  const auto l = labelsOf("そ'う？");
  EXPECT_EQ(field(l[1], "F"), "2_1#1_xx@1_1|1_2");
  EXPECT_EQ(field(l.back(), "E"), "2_1!1_xx-xx");
}

TEST(Labels, PartsOfSpeechOfNumeralsAndCounters) {
  const auto l = labelsOf("<NUMK VAL=3 COUNTER=ほん>");
  EXPECT_EQ(field(l[1], "C"), "05_xx+xx");
  EXPECT_EQ(field(l[1], "D"), "15+xx_xx");
  EXPECT_EQ(field(l[4], "B"), "05-xx_xx");
  EXPECT_EQ(field(l[4], "C"), "15_xx+xx");
  EXPECT_EQ(field(l.back(), "B"), "15-xx_xx");
}

TEST(Labels, EmptyUtteranceIsASilence) {
  const auto l = labelsOf("<NUM VAL=>");
  ASSERT_EQ(l.size(), 2u);
  EXPECT_TRUE(CheckLabels(l).ok());
}

TEST(LabelCheck, AcceptsWhatTheWriterMakes) {
  for (const char* text : {"<NUMK VAL=9999999999999999 COUNTER=ぱーせ'んと>", "<NUM VAL=090-12 AB>",
                           "きょ'う/は、いい/て'んき？", "<NUMK VAL=-7 COUNTER=ひき>"}) {
    EXPECT_TRUE(CheckLabels(labelsOf(text)).ok()) << text;
  }
}

TEST(LabelCheck, RefusesMalformedLabels) {
  auto l = labelsOf("か");
  ASSERT_TRUE(CheckLabels(l).ok());
  const std::string good = l[1];
  struct Case {
    std::string label;
    const char* why;
  };
  std::vector<Case> cases = {
      {"", "empty"},
      {"nonsense", "no structure"},
      {good.substr(0, good.size() - 1), "cut short"},
      {good + "/L:1", "extra field"},
  };
  std::string unknown = good;
  unknown.replace(unknown.find("-k+"), 3, "-q+");
  cases.push_back({unknown, "unknown phoneme"});
  std::string letters = good;
  letters.replace(letters.find("/A:") + 3, 1, "z");
  cases.push_back({letters, "letters in a number"});
  for (const Case& c : cases) {
    auto bad = l;
    bad[1] = c.label;
    EXPECT_FALSE(CheckLabels(bad).ok()) << c.why;
  }
  EXPECT_FALSE(CheckLabels({l[0]}).ok()) << "a single label";
}

}  // namespace
}  // namespace onsei
