#include "voice/voice_file.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace onsei {
namespace {

using Fields = std::map<std::string, std::string, std::less<>>;

constexpr std::size_t kMaxHeaderLine = 1000;

struct Range {
  std::size_t begin = 0;  // offset in the image
  std::size_t size = 0;
};

// The fields of one voice, read and checked step by step.
class VoiceImage {
 public:
  explicit VoiceImage(std::string_view image) : image_(image) {}

  Status readHeader() {
    const std::size_t data = image_.find("\n[DATA]\n");
    if (data == std::string_view::npos) return fail("has no [DATA] section");
    dataBegin_ = data + 8;
    std::size_t line = 0;
    while (line < data) {
      std::size_t end = image_.find('\n', line);
      if (end == std::string_view::npos || end > data) end = data;
      const std::string_view text = image_.substr(line, end - line);
      line = end + 1;
      // hts_engine reads every header line into a buffer of 1024 bytes.
      if (text.size() >= kMaxHeaderLine) return fail("has a header line longer than 1000 bytes");
      if (text.empty() || text.front() == '[') continue;
      const std::size_t colon = text.find(':');
      if (colon == std::string_view::npos) return fail("has a header line without \":\"");
      fields_[std::string(text.substr(0, colon))] = std::string(text.substr(colon + 1));
    }
    return Ok();
  }

  Status checkGlobal() {
    if (field("HTS_VOICE_VERSION") != "1.0") return fail("is not of version 1.0");
    if (!integer("SAMPLING_FREQUENCY", 8000, 96000, rate_))
      return fail("has no sampling rate from 8000 to 96000 Hz");
    // One frame lasts 1 to 25 ms.
    if (!integer("FRAME_PERIOD", (rate_ + 999) / 1000, rate_ / 40, period_))
      return fail("has no frame period from 1 to 25 ms");
    if (!integer("NUM_STATES", 1, 16, states_)) return fail("has no state count from 1 to 16");
    long streams = 0;
    if (!integer("NUM_STREAMS", 2, 3, streams)) return fail("has neither 2 nor 3 streams");
    // The vocoder reads the spectrum (mel-cepstrum, MCP, or mel-generalised
    // cepstrum, MGC), the pitch and the low-pass filter coefficients in this
    // order.
    static const char* const kOrder[] = {"MCP", "LF0", "LPF"};
    const std::string_view type = field("STREAM_TYPE");
    const bool generalised = type.substr(0, type.find(',')) == "MGC";
    std::string expected;
    for (long s = 0; s < streams; ++s) {
      streams_.emplace_back(s == 0 && generalised ? "MGC" : kOrder[s]);
      expected += (s > 0 ? "," : "") + streams_.back();
    }
    if (field("STREAM_TYPE") != expected) return fail("does not have the streams " + expected);
    return Ok();
  }

  Status checkStreams() {
    for (const std::string& s : streams_) {
      long length = 0;
      long msd = 0;
      long windows = 0;
      long gv = 0;
      if (!integer("VECTOR_LENGTH[" + s + "]", 1, 255, length))
        return fail("has no vector length from 1 to 255 for " + s);
      if (s == "LF0" && length != 1) return fail("has a pitch vector length other than 1");
      if (s == "LPF" && length % 2 == 0)
        return fail("has an even number of low-pass filter coefficients");
      if (!integer("IS_MSD[" + s + "]", 0, 1, msd) || (msd == 1) != (s == "LF0"))
        return fail("has a wrong IS_MSD for " + s);
      if (!integer("NUM_WINDOWS[" + s + "]", 1, 3, windows))
        return fail("has no window count from 1 to 3 for " + s);
      // No USE_GV key is no GV, as in hts_engine.
      if (!field("USE_GV[" + s + "]").empty() && !integer("USE_GV[" + s + "]", 0, 1, gv))
        return fail("has a wrong USE_GV for " + s);
      Status option = checkOption(s);
      if (!option) return option;
      const std::size_t floats = static_cast<std::size_t>(length * windows * 2 + msd);
      Status win = checkWindows(s, static_cast<std::size_t>(windows));
      if (!win) return win;
      Status model = checkModel("STREAM_PDF[" + s + "]", "STREAM_TREE[" + s + "]", floats, true);
      if (!model) return model;
      if (gv == 1) {
        Status g = checkModel("GV_PDF[" + s + "]", "GV_TREE[" + s + "]",
                              static_cast<std::size_t>(length * 2), false);
        if (!g) return g;
      }
    }
    return checkModel("DURATION_PDF", "DURATION_TREE", static_cast<std::size_t>(states_ * 2), true);
  }

 private:
  Error fail(const std::string& what) const { return Error{"it " + what}; }

  std::string_view field(std::string_view key) const {
    const auto it = fields_.find(key);
    return it == fields_.end() ? std::string_view() : std::string_view(it->second);
  }

  static bool parseInteger(std::string_view text, long& out) {
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, out);
    return r.ec == std::errc() && r.ptr == end && !text.empty();
  }

  bool integer(const std::string& key, long low, long high, long& out) const {
    return parseInteger(field(key), out) && out >= low && out <= high;
  }

  // The spectrum's option: ALPHA, the all-pass constant of the cepstrum
  // (|ALPHA| < 1, or the filter is unstable), GAMMA=0 (the plain cepstrum;
  // other values select a filter whose stage hts_engine takes unchecked) and
  // LN_GAIN=0 or 1, each at most once, comma-separated. hts_engine looks
  // the keys up anywhere in the text, so nothing else may stand beside them.
  Status checkOption(const std::string& stream) const {
    std::string_view option = field("OPTION[" + stream + "]");
    if (option.empty()) return Ok();
    const auto cannot = [&] {
      return fail("has an option it cannot be spoken with: " + std::string(option.substr(0, 32)));
    };
    if (stream != streams_.front()) return cannot();
    std::map<std::string, std::string, std::less<>> keys;
    for (std::string_view rest = option; !rest.empty();) {
      const std::size_t comma = rest.find(',');
      const std::string_view item = rest.substr(0, comma);
      rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
      const std::size_t equals = item.find('=');
      if (equals == std::string_view::npos) return cannot();
      const auto [it, added] =
          keys.emplace(std::string(item.substr(0, equals)), std::string(item.substr(equals + 1)));
      if (!added) return cannot();
    }
    for (const auto& [key, value] : keys) {
      if (key == "GAMMA"     ? value != "0"
          : key == "LN_GAIN" ? value != "0" && value != "1"
                             : key != "ALPHA")
        return cannot();
    }
    const auto alphaKey = keys.find("ALPHA");
    if (alphaKey == keys.end()) return Ok();
    const std::string value = alphaKey->second.substr(0, 32);
    char* end = nullptr;
    const double alpha = std::strtod(value.c_str(), &end);
    if (value.empty() || *end != '\0' || !std::isfinite(alpha) || std::fabs(alpha) >= 0.99)
      return fail("has an all-pass constant outside -0.99 ... 0.99");
    return Ok();
  }

  // A position "begin-end" (inclusive) inside the data section.
  Status range(std::string_view text, const std::string& key, Range& out) const {
    const std::size_t dash = text.find('-');
    long begin = 0;
    long end = 0;
    if (dash == std::string_view::npos || !parseInteger(text.substr(0, dash), begin) ||
        !parseInteger(text.substr(dash + 1), end) || begin < 0 || end < begin ||
        dataBegin_ + static_cast<std::size_t>(end) >= image_.size())
      return fail("has a position " + key + " outside its data");
    out.begin = dataBegin_ + static_cast<std::size_t>(begin);
    out.size = static_cast<std::size_t>(end - begin) + 1;
    return Ok();
  }

  // Each window is "n c1 ... cn" with n odd.
  Status checkWindows(const std::string& stream, std::size_t count) const {
    const std::string key = "STREAM_WIN[" + stream + "]";
    std::string_view list = field(key);
    std::size_t seen = 0;
    while (!list.empty()) {
      const std::size_t comma = list.find(',');
      Range r;
      Status ok = range(list.substr(0, comma), key, r);
      if (!ok) return ok;
      list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
      ++seen;
      const std::string text(image_.substr(r.begin, r.size));
      const char* p = text.c_str();
      char* end = nullptr;
      const long n = std::strtol(p, &end, 10);
      if (end == p || n < 1 || n > 31 || n % 2 == 0)
        return fail("has a window of " + stream + " without an odd width");
      for (long i = 0; i < n; ++i) {
        p = end;
        const double c = std::strtod(p, &end);
        if (end == p || !std::isfinite(c)) return fail("has a short window for " + stream);
      }
    }
    if (seen != count) return fail("has a window count for " + stream + " that is not NUM_WINDOWS");
    return Ok();
  }

  // The trees: per tree its state and its largest leaf (PDF) number.
  struct Tree {
    long state = 0;
    long maxLeaf = 0;
  };

  Status readTrees(const Range& r, const std::string& key, std::vector<Tree>& trees) const {
    const std::string_view text = image_.substr(r.begin, r.size);
    std::size_t line = 0;
    while (line < text.size()) {
      std::size_t end = text.find('\n', line);
      if (end == std::string_view::npos) end = text.size();
      std::string_view l = text.substr(line, end - line);
      line = end + 1;
      while (!l.empty() && (l.front() == ' ' || l.front() == '\t')) l.remove_prefix(1);
      if (l.empty() || l.substr(0, 3) == "QS ") continue;
      if (l.front() == '{' && l.size() > 1 && l.find("}[") != std::string_view::npos) {
        const std::size_t open = l.find("}[") + 2;
        const std::size_t close = l.find(']', open);
        Tree t;
        if (close == std::string_view::npos ||
            !parseInteger(l.substr(open, close - open), t.state) || t.state < 2 ||
            t.state > states_ + 1)
          return fail("has a tree without a valid state in " + key);
        trees.push_back(t);
        continue;
      }
      // Leaves are quoted names ending in "_" and the PDF number.
      for (std::size_t q = l.find('"'); q != std::string_view::npos; q = l.find('"', q + 1)) {
        const std::size_t q2 = l.find('"', q + 1);
        if (q2 == std::string_view::npos) return fail("has an unclosed leaf name in " + key);
        const std::string_view name = l.substr(q + 1, q2 - q - 1);
        const std::size_t underscore = name.rfind('_');
        long leaf = 0;
        if (trees.empty() || underscore == std::string_view::npos ||
            !parseInteger(name.substr(underscore + 1), leaf) || leaf < 1)
          return fail("has a leaf without a PDF number in " + key);
        trees.back().maxLeaf = std::max(trees.back().maxLeaf, leaf);
        q = q2;
      }
    }
    return Ok();
  }

  // PDF data: one 32-bit count per tree, then count × floats 32-bit values.
  Status checkModel(const std::string& pdfKey, const std::string& treeKey, std::size_t floats,
                    bool needTree) {
    Range pdf;
    Status ok = range(field(pdfKey), pdfKey, pdf);
    if (!ok) return ok;
    std::vector<Tree> trees;
    if (!field(treeKey).empty() || needTree) {
      Range tree;
      Status t = range(field(treeKey), treeKey, tree);
      if (!t) return t;
      Status read = readTrees(tree, treeKey, trees);
      if (!read) return read;
      if (trees.empty()) return fail("has no tree in " + treeKey);
      if (needTree && pdfKey.rfind("STREAM", 0) == 0 &&
          trees.size() > static_cast<std::size_t>(states_))
        return fail("has more trees than states in " + treeKey);
    } else {
      trees.push_back(Tree{});
    }
    if (pdf.size < 4 * trees.size()) return fail("has too short a PDF section " + pdfKey);
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < trees.size(); ++i) {
      const auto* p = reinterpret_cast<const unsigned char*>(image_.data() + pdf.begin + 4 * i);
      const std::uint32_t count =
          static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
          (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
      if (count == 0 || count > 0x7FFFFFFF) return fail("has a wrong PDF count in " + pdfKey);
      if (static_cast<std::uint64_t>(trees[i].maxLeaf) > count)
        return fail("has a tree leaf beyond its PDFs in " + treeKey);
      total += count;
    }
    if (4 * trees.size() + total * floats * 4 != pdf.size)
      return fail("has PDF counts in " + pdfKey + " that do not match the size of their data");
    // A mean or a variance that is not a number makes the whole utterance
    // silent (or worse) without any failure.
    for (std::size_t at = pdf.begin + 4 * trees.size(); at < pdf.begin + pdf.size; at += 4) {
      float value = 0;
      std::memcpy(&value, image_.data() + at, 4);
      if (!std::isfinite(value)) return fail("has a value that is not a number in " + pdfKey);
    }
    return Ok();
  }

  std::string_view image_;
  std::size_t dataBegin_ = 0;
  Fields fields_;
  long rate_ = 0;
  long period_ = 0;
  long states_ = 0;
  std::vector<std::string> streams_;
};

}  // namespace

Status ValidateVoiceImage(std::string_view image) {
  if (image.size() > kMaxVoiceBytes) return Error{"it is larger than 64 MB"};
  VoiceImage voice(image);
  for (auto step : {&VoiceImage::readHeader, &VoiceImage::checkGlobal, &VoiceImage::checkStreams}) {
    Status s = (voice.*step)();
    if (!s) return s;
  }
  return Ok();
}

}  // namespace onsei
