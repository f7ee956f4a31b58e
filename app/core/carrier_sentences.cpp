#include "carrier_sentences.h"

#include <charconv>

#include "random_source.h"
#include "speech_text.h"

namespace ruzdo {
namespace {

constexpr std::string_view kSlot = "{}";
// The second number of a row that holds two: an announcement's departure time.
constexpr std::string_view kSecondSlot = "{2}";

std::vector<std::string_view> splitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

std::size_t slotCount(std::string_view text, std::string_view slot) {
  std::size_t count = 0;
  for (auto at = text.find(slot); at != std::string_view::npos; at = text.find(slot, at + 1))
    ++count;
  return count;
}

bool hasOneSlot(std::string_view text) {
  const auto first = text.find(kSlot);
  return first != std::string_view::npos &&
         text.find(kSlot, first + kSlot.size()) == std::string_view::npos;
}

bool parseInt(std::string_view text, std::int64_t& out) {
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end;
}

// "1-12,20" → {{1, 12}, {20, 20}}; false for anything else.
bool parseFits(std::string_view text, std::vector<std::pair<std::int64_t, std::int64_t>>& fits) {
  while (!text.empty()) {
    const auto comma = text.find(',');
    std::string_view range = text.substr(0, comma);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    // The dash of a range, not the sign of its first bound.
    const auto dash = range.find('-', 1);
    std::int64_t low = 0, high = 0;
    if (dash == std::string_view::npos) {
      if (!parseInt(range, low)) return false;
      high = low;
    } else if (!parseInt(range.substr(0, dash), low) || !parseInt(range.substr(dash + 1), high)) {
      return false;
    }
    if (low > high) return false;
    fits.emplace_back(low, high);
  }
  return !fits.empty();
}

std::string withoutAccents(std::string_view reading) {
  std::string out;
  for (char c : reading)
    if (c != '\'') out += c;
  return out;
}

std::string fill(std::string_view pattern, std::string_view filler) {
  std::string out(pattern);
  const auto at = out.find(kSlot);
  if (at != std::string::npos) out.replace(at, kSlot.size(), filler);
  return out;
}

}  // namespace

bool CarrierSentence::fitsValue(std::int64_t value) const {
  if (fits.empty()) return true;
  for (const auto& [low, high] : fits)
    if (value >= low && value <= high) return true;
  return false;
}

CarrierTable ParseCarriers(std::string_view tsv) {
  CarrierTable table;
  int lineNumber = 0;
  while (!tsv.empty()) {
    const auto newline = tsv.find('\n');
    std::string_view line = tsv.substr(0, newline);
    tsv = newline == std::string_view::npos ? std::string_view() : tsv.substr(newline + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const auto fields = splitTabs(line);
    auto refuse = [&](const std::string& why) {
      table.errors.push_back("line " + std::to_string(lineNumber) + ": " + why);
    };
    if (fields.size() < 3 || fields.size() > 4) {
      refuse("expected key, written, phonetic and fits, tab-separated");
      continue;
    }
    CarrierSentence row{
        std::string(fields[0]), std::string(fields[1]), std::string(fields[2]), {}, lineNumber};
    if (!hasOneSlot(row.written) || !hasOneSlot(row.phonetic)) {
      refuse("the written and the phonetic text need one {} each");
      continue;
    }
    if (slotCount(row.written, kSecondSlot) > 1 ||
        slotCount(row.written, kSecondSlot) != slotCount(row.phonetic, kSecondSlot)) {
      refuse("{2} is in both texts once or in neither");
      continue;
    }
    if (fields.size() == 4 && !fields[3].empty() && !parseFits(fields[3], row.fits)) {
      refuse("fits is not a list of values and ranges such as 1-12,20");
      continue;
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

const CarrierSentence* DrawCarrier(const CarrierTable& table, std::string_view key,
                                   std::int64_t value) {
  const bool sequence = key == kSequenceKey;
  const std::string plainKey = withoutAccents(key);
  std::vector<const CarrierSentence*> fitting;
  for (const CarrierSentence& row : table.rows)
    if ((row.key == key || withoutAccents(row.key) == plainKey) &&
        (sequence || row.fitsValue(value)))
      fitting.push_back(&row);
  if (fitting.empty()) return nullptr;
  return fitting[static_cast<std::size_t>(RandomBelow(static_cast<int>(fitting.size())))];
}

std::string WrittenNumber(std::int64_t value, TTani counter) {
  // 月 on its picture is also the month of the year; a count of months is
  // written か月 in running text.
  const std::string_view counterWritten = counter == tanTuki ? "か月" : TaniWritten(counter);
  return std::to_string(value) + std::string(counterWritten);
}

SentenceText NumberInSentence(const CarrierSentence& carrier, std::int64_t value, TTani counter,
                              int variant) {
  return {fill(carrier.written, WrittenNumber(value, counter)),
          fill(carrier.phonetic, NumberTag(value, counter, variant))};
}

SentenceText SequenceInSentence(const CarrierSentence& carrier, std::string_view sequence) {
  return {fill(carrier.written, sequence),
          fill(carrier.phonetic, "<NUM VAL=" + std::string(sequence) + ">")};
}

}  // namespace ruzdo
