#pragma once

#include <cstdint>
#include <string_view>

// The counter word said after every number of a run. Stored in one byte; the
// ordinal is also the entry of the counter picker.
enum TTani : std::uint8_t {
  tanNone,
  tanNen,
  tanGatu,
  tanNiti,
  tanZi,
  tanFun,
  tanByou,
  tanEn,
  tanKai,
  tanGai,
  tanKyuu,
  tanGyou,
  tanKyoku,
  tanKiro,
  tanKen,
  tanKo,
  tanNin,
  tanSai,
  tanZikan,
  tanDai,
  tanTyoume,
  tanTuki,
  tanBan,
  tanHon,
  tanHiki,
  tanPaasento,
};

inline constexpr int kTaniCount = 26;

// Name of the counter's picture among the program's resources; "" for tanNone.
std::string_view TaniResourceName(TTani t);

// Phonetic reading of the counter in the speech engine's notation (hiragana,
// "ー" for a long vowel, "'" after the accented mora), as UTF-8; "" for tanNone.
std::string_view CounterReading(TTani t);

// True for the three pictures that are 30 pixels wide instead of 16.
bool TaniIsWide(TTani t);

// The counter as its picture shows it (年, キロ, %), UTF-8; "" for tanNone.
std::string_view TaniWritten(TTani t);
