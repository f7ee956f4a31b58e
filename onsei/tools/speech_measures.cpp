#include "speech_measures.hpp"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace onsei::measure {
namespace {

constexpr double kLowestF0 = 55;
constexpr double kHighestF0 = 800;  // women's voices reach 600 Hz in cheerful speech
constexpr double kYinThreshold = 0.15;
constexpr double kOctaveMargin = 0.5;
constexpr double kClearDip = 0.02;     // a dip this deep is the period itself
constexpr double kPitchFloorDb = -30;  // frames this far below the loudest are silence
constexpr double kSpectrumFloorDb = -30;
constexpr double kActiveFloorDb = -30;  // frames this far below the loudest are pauses
constexpr double kLowEdge = 100;
constexpr double kHighEdge = 8000;

// Low-passes with a Hann-windowed sinc and keeps every factor-th sample.
std::vector<double> decimate(const std::vector<std::int16_t>& samples, int factor) {
  std::vector<double> out;
  if (factor <= 1) {
    out.assign(samples.begin(), samples.end());
    return out;
  }
  const int half = 4 * factor;
  const double cutoff = 0.45 / factor;  // of the input rate
  std::vector<double> taps(static_cast<std::size_t>(2 * half + 1));
  double sum = 0;
  for (int k = -half; k <= half; ++k) {
    const double x = 2 * cutoff * k;
    const double sinc = k == 0 ? 1.0 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
    const double window = 0.5 + 0.5 * std::cos(std::numbers::pi * k / (half + 1));
    taps[static_cast<std::size_t>(k + half)] = sinc * window;
    sum += sinc * window;
  }
  const auto n = static_cast<long>(samples.size());
  for (long i = 0; i < n; i += factor) {
    double acc = 0;
    for (int k = -half; k <= half; ++k) {
      const long j = i + k;
      if (j >= 0 && j < n) acc += taps[static_cast<std::size_t>(k + half)] * samples[j];
    }
    out.push_back(acc / sum);
  }
  return out;
}

double rms(const std::vector<double>& x, std::size_t start, std::size_t length) {
  double e = 0;
  for (std::size_t j = 0; j < length; ++j) e += x[start + j] * x[start + j];
  return std::sqrt(e / static_cast<double>(length));
}

// The period in samples of one frame, or 0 when it has no clear period.
double framePeriod(const std::vector<double>& x, std::size_t start, std::size_t window,
                   std::size_t tauMin, std::size_t tauMax) {
  std::vector<double> d(tauMax + 2, 0.0);
  for (std::size_t tau = 1; tau <= tauMax + 1; ++tau) {
    double s = 0;
    for (std::size_t j = 0; j < window; ++j) {
      const double diff = x[start + j] - x[start + j + tau];
      s += diff * diff;
    }
    d[tau] = s;
  }
  // Cumulative mean normalised difference: 1 on average, near 0 at the period.
  std::vector<double> cmnd(d.size(), 1.0);
  double running = 0;
  for (std::size_t tau = 1; tau < d.size(); ++tau) {
    running += d[tau];
    cmnd[tau] = running > 0 ? d[tau] * static_cast<double>(tau) / running : 1.0;
  }
  // The dip nearest after tau: its lag.
  const auto dipAfter = [&](std::size_t tau) {
    while (tau + 1 <= tauMax && cmnd[tau + 1] < cmnd[tau]) ++tau;
    return tau;
  };
  for (std::size_t tau = tauMin; tau <= tauMax; ++tau) {
    if (cmnd[tau] >= kYinThreshold) continue;
    tau = dipAfter(tau);
    // A strong second harmonic can dip below the threshold at half the
    // period; the true period then dips much deeper at twice the lag.
    if (2 * tau + 1 <= tauMax) {
      const std::size_t twice = dipAfter(2 * tau - 1);
      if (cmnd[tau] > kClearDip && twice <= 2 * tau + 1 && cmnd[twice] < kOctaveMargin * cmnd[tau])
        tau = twice;
    }
    // A parabola through the dip and its neighbours places it between samples.
    const double a = cmnd[tau - 1], b = cmnd[tau], c = cmnd[tau + 1];
    const double curve = a - 2 * b + c;
    const double shift = curve > 0 ? 0.5 * (a - c) / curve : 0.0;
    return static_cast<double>(tau) + std::clamp(shift, -0.5, 0.5);
  }
  return 0;
}

void fft(std::vector<std::complex<double>>& a) {
  const std::size_t n = a.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (std::size_t len = 2; len <= n; len <<= 1) {
    const double angle = -2 * std::numbers::pi / static_cast<double>(len);
    const std::complex<double> step(std::cos(angle), std::sin(angle));
    for (std::size_t i = 0; i < n; i += len) {
      std::complex<double> w(1);
      for (std::size_t k = 0; k < len / 2; ++k) {
        const auto u = a[i + k], v = a[i + k + len / 2] * w;
        a[i + k] = u + v;
        a[i + k + len / 2] = u - v;
        w *= step;
      }
    }
  }
}

// Power per FFT bin summed over the loud frames, and the bin width in Hz.
std::vector<double> averagePower(const std::vector<std::int16_t>& samples, int rate,
                                 double& binHz) {
  std::size_t n = 1;
  while (static_cast<double>(n) < 0.04 * rate) n <<= 1;
  binHz = static_cast<double>(rate) / static_cast<double>(n);
  std::vector<std::vector<double>> frames;
  std::vector<double> energy;
  for (std::size_t start = 0; start + n <= samples.size(); start += n / 2) {
    std::vector<std::complex<double>> a(n);
    for (std::size_t i = 0; i < n; ++i) {
      const double w = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) /
                                            static_cast<double>(n));
      a[i] = w * samples[start + i];
    }
    fft(a);
    std::vector<double> power(n / 2);
    double e = 0;
    for (std::size_t k = 0; k < n / 2; ++k) e += power[k] = std::norm(a[k]);
    frames.push_back(std::move(power));
    energy.push_back(e);
  }
  std::vector<double> total(n / 2, 0.0);
  if (frames.empty()) return total;
  const double floor =
      *std::max_element(energy.begin(), energy.end()) * std::pow(10.0, kSpectrumFloorDb / 10);
  for (std::size_t f = 0; f < frames.size(); ++f)
    if (energy[f] > floor)
      for (std::size_t k = 0; k < total.size(); ++k) total[k] += frames[f][k];
  return total;
}

double mel(double hz) { return 2595 * std::log10(1 + hz / 700); }

// A pitch track in semitones over its voiced stretch, gaps bridged linearly,
// resampled to points values.
std::vector<double> normalisedContour(const std::vector<double>& track, std::size_t points) {
  std::vector<std::size_t> at;
  for (std::size_t i = 0; i < track.size(); ++i)
    if (track[i] > 0) at.push_back(i);
  if (at.size() < 3) return {};
  std::vector<double> filled;
  for (std::size_t k = 0; k + 1 < at.size(); ++k) {
    const double a = Semitones(100, track[at[k]]), b = Semitones(100, track[at[k + 1]]);
    const std::size_t gap = at[k + 1] - at[k];
    for (std::size_t j = 0; j < gap; ++j)
      filled.push_back(a + (b - a) * static_cast<double>(j) / static_cast<double>(gap));
  }
  filled.push_back(Semitones(100, track[at.back()]));
  std::vector<double> out(points);
  for (std::size_t i = 0; i < points; ++i) {
    const double pos = static_cast<double>(i) * static_cast<double>(filled.size() - 1) /
                       static_cast<double>(points - 1);
    const auto lo = static_cast<std::size_t>(pos);
    const std::size_t hi = std::min(lo + 1, filled.size() - 1);
    out[i] = filled[lo] + (filled[hi] - filled[lo]) * (pos - static_cast<double>(lo));
  }
  return out;
}

}  // namespace

std::vector<double> PitchTrack(const std::vector<std::int16_t>& samples, int rate) {
  if (rate <= 0) return {};
  const int factor = std::max(1, static_cast<int>(std::lround(rate / 12000.0)));
  const double fs = static_cast<double>(rate) / factor;
  const std::vector<double> x = decimate(samples, factor);
  const auto window = static_cast<std::size_t>(std::lround(0.025 * fs));
  const auto hop = static_cast<std::size_t>(std::lround(kFrameSeconds * fs));
  const auto tauMin = static_cast<std::size_t>(std::floor(fs / kHighestF0));
  const auto tauMax = static_cast<std::size_t>(std::ceil(fs / kLowestF0));
  if (hop == 0 || tauMin < 2) return {};

  std::vector<std::size_t> starts;
  std::vector<double> level;
  double loudest = 0;
  for (std::size_t s = 0; s + window + tauMax + 2 <= x.size(); s += hop) {
    starts.push_back(s);
    level.push_back(rms(x, s, window));
    loudest = std::max(loudest, level.back());
  }
  const double floor = loudest * std::pow(10.0, kPitchFloorDb / 20);
  std::vector<double> track(starts.size(), 0.0);
  for (std::size_t f = 0; f < starts.size(); ++f) {
    if (level[f] <= floor || level[f] == 0) continue;
    const double period = framePeriod(x, starts[f], window, tauMin, tauMax);
    if (period > 0) track[f] = fs / period;
  }
  return track;
}

std::vector<double> Voiced(const std::vector<double>& track) {
  std::vector<double> v;
  for (double f : track)
    if (f > 0) v.push_back(f);
  return v;
}

double Quantile(std::vector<double> values, double q) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const double pos = std::clamp(q, 0.0, 1.0) * static_cast<double>(values.size() - 1);
  const auto lo = static_cast<std::size_t>(pos);
  const std::size_t hi = std::min(lo + 1, values.size() - 1);
  return values[lo] + (values[hi] - values[lo]) * (pos - static_cast<double>(lo));
}

double Semitones(double a, double b) { return 12 * std::log2(b / a); }

std::vector<double> LongTermSpectrum(const std::vector<std::int16_t>& samples, int rate) {
  double binHz = 0;
  const std::vector<double> power = averagePower(samples, rate, binHz);
  std::vector<double> bands(kMelBands, 0.0);
  const double lo = mel(kLowEdge), hi = mel(kHighEdge);
  for (std::size_t k = 0; k < power.size(); ++k) {
    const double m = mel(static_cast<double>(k) * binHz);
    if (m < lo || m >= hi) continue;
    bands[static_cast<std::size_t>((m - lo) / (hi - lo) * kMelBands)] += power[k];
  }
  double mean = 0;
  for (double& b : bands) mean += b = 10 * std::log10(b + 1e-9);
  mean /= kMelBands;
  for (double& b : bands) b -= mean;
  return bands;
}

double SpectralDistance(const std::vector<double>& a, const std::vector<double>& b) {
  const std::size_t n = std::min(a.size(), b.size());
  if (n == 0) return 0;
  double s = 0;
  for (std::size_t i = 0; i < n; ++i) s += (a[i] - b[i]) * (a[i] - b[i]);
  return std::sqrt(s / static_cast<double>(n));
}

double SpectralCentroid(const std::vector<std::int16_t>& samples, int rate) {
  double binHz = 0;
  const std::vector<double> power = averagePower(samples, rate, binHz);
  double weighted = 0, total = 0;
  for (std::size_t k = 0; k < power.size(); ++k) {
    const double hz = static_cast<double>(k) * binHz;
    if (hz < kLowEdge || hz >= kHighEdge) continue;
    weighted += hz * power[k];
    total += power[k];
  }
  return total > 0 ? weighted / total : 0;
}

double ContourCorrelation(const std::vector<double>& a, const std::vector<double>& b) {
  constexpr std::size_t kPoints = 100;
  const std::vector<double> x = normalisedContour(a, kPoints), y = normalisedContour(b, kPoints);
  if (x.empty() || y.empty()) return 0;
  double mx = 0, my = 0;
  for (std::size_t i = 0; i < kPoints; ++i) mx += x[i], my += y[i];
  mx /= kPoints;
  my /= kPoints;
  double sxy = 0, sxx = 0, syy = 0;
  for (std::size_t i = 0; i < kPoints; ++i) {
    sxy += (x[i] - mx) * (y[i] - my);
    sxx += (x[i] - mx) * (x[i] - mx);
    syy += (y[i] - my) * (y[i] - my);
  }
  return sxx > 0 && syy > 0 ? sxy / std::sqrt(sxx * syy) : 0;
}

double SpeechSeconds(const std::vector<std::int16_t>& samples, int rate) {
  int peak = 0;
  for (auto s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  const int threshold = peak / 100;
  std::size_t first = samples.size(), last = 0;
  for (std::size_t i = 0; i < samples.size(); ++i)
    if (std::abs(static_cast<int>(samples[i])) > threshold) {
      first = std::min(first, i);
      last = i;
    }
  return first < samples.size() && rate > 0 ? static_cast<double>(last - first) / rate : 0;
}

double ActiveLevelDb(const std::vector<std::int16_t>& samples, int rate) {
  const auto frame = static_cast<std::size_t>(rate > 0 ? rate / 100 : 0);
  if (frame == 0) return -100;
  std::vector<double> power;
  for (std::size_t s = 0; s + frame <= samples.size(); s += frame) {
    double e = 0;
    for (std::size_t j = 0; j < frame; ++j)
      e += static_cast<double>(samples[s + j]) * samples[s + j];
    power.push_back(e / static_cast<double>(frame));
  }
  const double loudest = power.empty() ? 0 : *std::max_element(power.begin(), power.end());
  double sum = 0;
  int n = 0;
  for (double p : power)
    if (p > 0 && p >= loudest * std::pow(10.0, kActiveFloorDb / 10)) {
      sum += p;
      ++n;
    }
  return n == 0 ? -100 : 10 * std::log10(sum / n / (32768.0 * 32768.0));
}

int ClippedSamples(const std::vector<std::int16_t>& samples) {
  return static_cast<int>(std::count_if(samples.begin(), samples.end(),
                                        [](std::int16_t s) { return s == 32767 || s == -32768; }));
}

}  // namespace onsei::measure
