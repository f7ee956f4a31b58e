#pragma once

#include <cstddef>
#include <string_view>

#include "onsei/status.hpp"

namespace onsei {

// The largest voice file the engine opens. Voices are a few megabytes; the
// bound keeps a wrong path (a disk image, a film) from being read at all.
inline constexpr std::size_t kMaxVoiceBytes = 64u << 20;

// Checks the whole structure of an HTS voice image (format 1.0) that
// hts_engine trusts without checking: the header fields the vocoder relies on
// (sampling rate, frame period, all-pass constant, streams in the order
// spectrum, pitch, low-pass filter, vector lengths, windows), every data range
// against the file's length, the number of PDFs against the size of their
// data, and every tree leaf against the PDFs. hts_engine ends the process or
// runs out of memory on files that fail these checks.
Status ValidateVoiceImage(std::string_view image);

}  // namespace onsei
