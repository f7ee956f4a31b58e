#include "tani.h"

#include <iterator>

namespace {

struct TaniRow {
  TTani tani;
  std::string_view resource;  // picture resource name
  std::string_view reading;   // UTF-8 reading
  int width;                  // of the picture, 16 pixels high
  std::string_view written;   // the counter as the window writes it
  std::string_view drawn;     // what the picture draws
};

// Indexed by the ordinal of TTani; from app/data/counters.tsv.
constexpr TaniRow kTani[] = {
#include "counter_table.inc"
};

constexpr bool rowsAtTheirOrdinals() {
  for (std::size_t i = 0; i < std::size(kTani); ++i)
    if (static_cast<std::size_t>(kTani[i].tani) != i) return false;
  return true;
}
static_assert(std::size(kTani) == kTaniCount, "app/data/counters.tsv: one row for each TTani");
static_assert(rowsAtTheirOrdinals(), "app/data/counters.tsv: each row at its TTani's ordinal");

const TaniRow& row(TTani t) {
  return kTani[static_cast<std::size_t>(t) < std::size(kTani) ? t : tanNone];
}

}  // namespace

std::string_view TaniResourceName(TTani t) { return row(t).resource; }
std::string_view CounterReading(TTani t) { return row(t).reading; }
int TaniPictureWidth(TTani t) { return row(t).width; }
std::string_view TaniWritten(TTani t) { return row(t).written; }
std::string_view TaniDrawn(TTani t) { return row(t).drawn; }
