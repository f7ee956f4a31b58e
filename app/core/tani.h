#pragma once

#include <cstdint>
#include <string_view>

// The counter word said after every number of a run. Stored in one byte; the
// ordinal is also the entry of the counter picker. Each has its row, at its
// ordinal, in app/data/counters.tsv (the build checks that they agree).
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
  // Added after the first 26, whose ordinals settings and history keep.
  tanTu,
  tanMai,
  tanSatu,
  tanHai,
  tanTyaku,
  tanSoku,
  tanWa,
  tanTou,
  tanDo,
  tanGou,
  tanHaku,
  tanSyuukan,
  tanNitikan,
  tanPeezi,
  tanBansen,
  tanGousya,
  tanMei,
  tanTen,
};

inline constexpr int kTaniCount = tanTen + 1;

// Name of the counter's picture among the program's resources; "" for tanNone.
std::string_view TaniResourceName(TTani t);

// Phonetic reading of the counter in the speech engine's notation (hiragana,
// "ー" for a long vowel, "'" after the accented mora), as UTF-8; "" for tanNone.
std::string_view CounterReading(TTani t);

// Width of the counter's picture in pixels: 16 for one character, 30 for two
// (キロ, 時間, か月), 44 for ページ; 0 for tanNone.
int TaniPictureWidth(TTani t);

// What the counter's picture draws, UTF-8: its written form, or one that
// fills the picture better (the full-width ％); "" for tanNone.
std::string_view TaniDrawn(TTani t);

// The counter as its picture shows it and the window writes it (年, キロ, %,
// か月), UTF-8; "" for tanNone.
std::string_view TaniWritten(TTani t);
