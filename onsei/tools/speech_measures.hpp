#pragma once

#include <cstdint>
#include <vector>

namespace onsei::measure {

// Objective measures of synthesised speech, for choosing and checking the
// voice presets: pitch, spectral envelope and timing.

inline constexpr double kFrameSeconds = 0.01;  // one pitch value per 10 ms

// F0 in Hz every 10 ms (0 where the frame is silent or unvoiced), found with
// the cumulative mean normalised difference function on the signal
// low-passed and decimated to about 12 kHz. Finds 55 ... 800 Hz.
std::vector<double> PitchTrack(const std::vector<std::int16_t>& samples, int rate);

// The voiced values of a pitch track.
std::vector<double> Voiced(const std::vector<double>& track);

// The q-quantile (0 ... 1) of the values, by linear interpolation; 0 for none.
double Quantile(std::vector<double> values, double q);
inline double Median(std::vector<double> values) { return Quantile(std::move(values), 0.5); }

// Semitones from a to b (12 = an octave).
double Semitones(double a, double b);

// The long-term average spectrum of the loud frames in kMelBands mel bands
// from 100 Hz to 8 kHz, in dB, shifted to a mean of 0 (so the overall level
// does not count).
inline constexpr int kMelBands = 24;
std::vector<double> LongTermSpectrum(const std::vector<std::int16_t>& samples, int rate);

// Root-mean-square difference of two such spectra, in dB.
double SpectralDistance(const std::vector<double>& a, const std::vector<double>& b);

// The power-weighted mean frequency of the loud frames, 100 Hz ... 8 kHz.
double SpectralCentroid(const std::vector<std::int16_t>& samples, int rate);

// Pearson correlation of two pitch contours, each taken in semitones over
// its voiced frames, bridged across unvoiced gaps and stretched to the same
// length: how well the pitch accent's shape survives in b.
double ContourCorrelation(const std::vector<double>& a, const std::vector<double>& b);

// Seconds from the first to the last sample louder than 1% of the peak.
double SpeechSeconds(const std::vector<std::int16_t>& samples, int rate);

// The level of the speech itself in dB below full scale: the mean power of
// the 10 ms frames within 30 dB of the loudest one, pauses left out.
double ActiveLevelDb(const std::vector<std::int16_t>& samples, int rate);

// Samples at full scale (clipped).
int ClippedSamples(const std::vector<std::int16_t>& samples);

}  // namespace onsei::measure
