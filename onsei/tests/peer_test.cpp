// Against a peer: Open JTalk uses the same voice and the same label format.
// Given the same morae, phrasing and accents, our labels must equal its labels
// field by field, and then our samples must equal its samples. Where our
// reading or phrasing deliberately differs (onsei/data/README.md), the case is
// left out of this list. Skipped when open_jtalk is not installed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "labels/full_context.hpp"
#include "onsei/front_end.hpp"
#include "onsei/synthesis.hpp"
#include "voice/hts_voice.hpp"
#include "wav_reader.hpp"

namespace onsei {
namespace {

constexpr const char* kDictionary = "/var/lib/mecab/dic/open-jtalk/naist-jdic";

struct PeerCase {
  const char* peerText;  // what Open JTalk reads (kanji)
  const char* ourText;   // the same in our phonetic text
  // Phonetic text does not tell an auxiliary verb (です) from a noun: where
  // the peer knows such words, the part-of-speech fields B, C and D, and so
  // the samples, are not compared.
  bool sameWords = true;
};
void PrintTo(const PeerCase& c, std::ostream* os) { *os << c.peerText; }

struct PeerRun {
  std::vector<std::string> labels;
  std::vector<std::int16_t> samples;
};

bool havePeer() {
  return access("/usr/bin/open_jtalk", X_OK) == 0 && access(kDictionary, R_OK) == 0;
}

PeerRun runPeer(const std::string& text) {
  // One set of files per process: ctest runs the cases side by side.
  const std::string dir = testing::TempDir() + "onsei_peer_" + std::to_string(getpid()) + "_";
  const std::string in = dir + "peer_in.txt", trace = dir + "peer_trace.txt",
                    wav = dir + "peer.wav";
  std::ofstream(in) << text << '\n';
  const std::string command = std::string("open_jtalk -x ") + kDictionary + " -m " +
                              kDebianVoicePath + " -ot " + trace + " -ow " + wav + " " + in;
  PeerRun run;
  if (std::system(command.c_str()) != 0) return run;
  std::ifstream t(trace);
  std::string line;
  bool inLabels = false;
  while (std::getline(t, line)) {
    if (line.rfind("[Output label]", 0) == 0) {
      inLabels = true;
      continue;
    }
    if (inLabels && line.empty()) break;
    if (inLabels) run.labels.push_back(line.substr(line.find(' ', line.find(' ') + 1) + 1));
  }
  std::ifstream w(wav, std::ios::binary);
  std::stringstream bytes;
  bytes << w.rdbuf();
  const std::string image = bytes.str();
  run.samples =
      test::ReadWav(reinterpret_cast<const unsigned char*>(image.data()), image.size()).samples;
  return run;
}

std::string field(const std::string& label, const std::string& name) {
  if (name == "P") return label.substr(0, label.find('/'));
  const std::string key = "/" + name + ":";
  const auto start = label.find(key);
  if (start == std::string::npos) return "?";
  const auto from = start + key.size();
  const auto end = label.find('/', from);
  return label.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

// The accent of each accent phrase, in order, as the peer's F fields give it.
std::vector<std::pair<int, int>> peerPhrases(const std::vector<std::string>& labels) {
  std::vector<std::pair<int, int>> phrases;
  std::string lastKey;
  for (const std::string& l : labels) {
    const std::string f = field(l, "F");
    if (f.rfind("xx", 0) == 0) continue;
    const std::string key = field(l, "I").substr(field(l, "I").find('@')) + f;
    if (key == lastKey) continue;
    lastKey = key;
    phrases.emplace_back(std::stoi(f), std::stoi(f.substr(f.find('_') + 1)));
  }
  return phrases;
}

class Peer : public testing::TestWithParam<PeerCase> {};

TEST_P(Peer, SameLabelsAndSamples) {
  if (!havePeer()) GTEST_SKIP() << "open_jtalk is not installed";
  const PeerCase& c = GetParam();
  const PeerRun peer = runPeer(c.peerText);
  ASSERT_FALSE(peer.labels.empty()) << "open_jtalk failed on " << c.peerText;

  auto utterance = AnalyseUtf8(c.ourText);
  ASSERT_TRUE(utterance.ok()) << utterance.error().message;
  // Take the peer's accents where its phrasing is ours.
  const auto phrases = peerPhrases(peer.labels);
  std::size_t k = 0;
  for (BreathGroup& g : utterance->groups)
    for (AccentPhrase& p : g.phrases) {
      ASSERT_LT(k, phrases.size()) << "the peer has fewer accent phrases";
      ASSERT_EQ(p.moraCount(), phrases[k].first) << "phrase " << k << " differs in morae";
      p.accent = phrases[k].second == p.moraCount() ? 0 : phrases[k].second;
      ++k;
    }
  ASSERT_EQ(k, phrases.size()) << "the peer has more accent phrases";

  const std::vector<std::string> ours = MakeLabels(*utterance);
  ASSERT_EQ(ours.size(), peer.labels.size());
  for (std::size_t i = 0; i < ours.size(); ++i)
    for (const char* name : {"P", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K"}) {
      const bool partOfSpeech = name[0] >= 'B' && name[0] <= 'D';
      if (partOfSpeech && !c.sameWords) continue;
      EXPECT_EQ(field(ours[i], name), field(peer.labels[i], name))
          << c.peerText << ", label " << i << ", field " << name;
    }
  if (!c.sameWords) return;

  auto samples = Synthesiser::Instance().RawSamples(ours);
  ASSERT_TRUE(samples.ok()) << samples.error().message;
  ASSERT_EQ(samples->size(), peer.samples.size());
  std::size_t differing = 0;
  for (std::size_t i = 0; i < samples->size(); ++i) differing += (*samples)[i] != peer.samples[i];
  EXPECT_EQ(differing, 0u) << c.peerText;
}

INSTANTIATE_TEST_SUITE_P(
    Phrases, Peer,
    testing::Values(
        PeerCase{"1本", "<NUMK VAL=1 COUNTER=ほん>"}, PeerCase{"3本", "<NUMK VAL=3 COUNTER=ほん>"},
        PeerCase{"6本", "<NUMK VAL=6 COUNTER=ほん>"},
        PeerCase{"10本", "<NUMK VAL=10 COUNTER=ほん>"},
        PeerCase{"100本", "<NUMK VAL=100 COUNTER=ほん>"},
        PeerCase{"1000本", "<NUMK VAL=1000 COUNTER=ほん>"},
        PeerCase{"二万五千本", "<NUMK VAL=25000 COUNTER=ほん>"},
        PeerCase{"7匹", "<NUMK VAL=7 COUNTER=ひき>"}, PeerCase{"6個", "<NUMK VAL=6 COUNTER=こ>"},
        PeerCase{"8階", "<NUMK VAL=8 COUNTER=か'い>"},
        PeerCase{"3000円", "<NUMK VAL=3000 COUNTER=えん>"},
        PeerCase{"4時", "<NUMK VAL=4 COUNTER=じ>"},
        // The sound changes of the counters of things, times and places.
        PeerCase{"8杯", "<NUMK VAL=8 COUNTER=はい>"},
        PeerCase{"1000杯", "<NUMK VAL=1000 COUNTER=はい>"},
        PeerCase{"3足", "<NUMK VAL=3 COUNTER=そく>"},
        PeerCase{"10冊", "<NUMK VAL=10 COUNTER=さつ>"},
        PeerCase{"4泊", "<NUMK VAL=4 COUNTER=はく>"}, PeerCase{"3羽", "<NUMK VAL=3 COUNTER=わ>"},
        PeerCase{"8つ", "<NUMK VAL=8 COUNTER=つ>"},
        PeerCase{"1週間", "<NUMK VAL=1 COUNTER=しゅうかん>"},
        PeerCase{"3日間", "<NUMK VAL=3 COUNTER=にちかん>"},
        PeerCase{"10ページ", "<NUMK VAL=10 COUNTER=ぺーじ>"}, PeerCase{"飴", "あめ"},
        PeerCase{"天気", "てんき"}, PeerCase{"桜", "さくら"}, PeerCase{"鼻", "はな"},
        PeerCase{"飴、天気", "あめ、てんき"}, PeerCase{"桜？", "さくら？"},
        // The final す of です and ます is devoiced.
        PeerCase{"本です。", "ほんです。", false}, PeerCase{"行きます。", "いきます。", false},
        PeerCase{"本です、はい。", "ほんです、はい。", false},
        // Particles after a number join its
        // last accent phrase, as the peer has it.
        PeerCase{"会議は3時からです。", "かいぎわ/<NUMK VAL=3 COUNTER=じ>からです。", false},
        PeerCase{"3番線に電車が参ります。",
                 "<NUMK VAL=3 COUNTER=ばんせん>に/でんしゃが/"
                 "まいりま'す。",
                 false},
        PeerCase{"5時ごろ行きます。", "<NUMK VAL=5 COUNTER=じ>ごろ/いきます。", false},
        PeerCase{"3本を買います。", "<NUMK VAL=3 COUNTER=ほん>を/かいます。", false},
        PeerCase{"100円の本", "<NUMK VAL=100 COUNTER=えん>の/ほん", false},
        PeerCase{"8階です。", "<NUMK VAL=8 COUNTER=か'い>です。", false}));

}  // namespace
}  // namespace onsei
