#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "listening_condition.h"

namespace ruzdo {

// The sounds of each listening condition, made with libsox from seeded
// noise and from other talkers' speech. Each noise takes the number of
// samples wanted at the speech's rate and gives that many, at any level (the
// caller sets the ratio). Nothing when libsox fails.

// A phone line: the 300-3400 Hz band, compressed and slightly overdriven as
// a handset and a narrow-band codec leave it; at the level it came in.
std::optional<std::vector<float>> PhoneLine(const std::vector<float>& speech, int rateHz);

// Traffic: a low rumble with a tyre hiss, swelling as cars pass.
std::optional<std::vector<float>> StreetNoise(std::size_t length, int rateHz, std::mt19937& random);

// Several talkers at once, some way off in a room. Talkers at 16 kHz cost
// least.
std::optional<std::vector<float>> CrowdBabble(std::size_t length, int rateHz,
                                              const Talkers& talkers, std::mt19937& random);

// A station hall: the speech with the hall's echo, and the hall's noise (a
// crowd, a distant announcement over loudspeakers and the rumble of trains).
std::optional<std::vector<float>> HallEcho(const std::vector<float>& speech, int rateHz);
std::optional<std::vector<float>> StationNoise(std::size_t length, int rateHz,
                                               const Talkers& talkers, std::mt19937& random);

}  // namespace ruzdo
