#include "sox_effects.h"

#include <sox.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>

namespace ruzdo {
namespace {

std::mutex& soxMutex() {
  static std::mutex mutex;
  return mutex;
}

// Once per process: libsox has no matching quit that would be safe while
// another thread might still start a chain.
bool soxReady() {
  static const bool ready = [] {
    if (sox_init() != SOX_SUCCESS) return false;
    sox_get_globals()->verbosity = 0;
    return true;
  }();
  return ready;
}

struct Source {
  const std::vector<float>* samples;
  std::size_t at;
};

int sourceDrain(sox_effect_t* effect, sox_sample_t* out, size_t* count) {
  Source& source = **static_cast<Source**>(effect->priv);
  const std::size_t n = std::min(*count, source.samples->size() - source.at);
  for (std::size_t i = 0; i < n; ++i) {
    const float x = std::clamp((*source.samples)[source.at + i], -1.0f, 1.0f);
    out[i] = static_cast<sox_sample_t>(static_cast<double>(x) * SOX_SAMPLE_MAX);
  }
  source.at += n;
  *count = n;
  return n ? SOX_SUCCESS : SOX_EOF;
}

int sinkFlow(sox_effect_t* effect, const sox_sample_t* in, sox_sample_t*, size_t* inCount,
             size_t* outCount) {
  std::vector<float>& sink = **static_cast<std::vector<float>**>(effect->priv);
  const std::size_t at = sink.size();
  sink.resize(at + *inCount);
  constexpr float kScale = 1.0f / static_cast<float>(SOX_SAMPLE_MAX);
  for (std::size_t i = 0; i < *inCount; ++i) sink[at + i] = static_cast<float>(in[i]) * kScale;
  *outCount = 0;
  return SOX_SUCCESS;
}

const sox_effect_handler_t kSourceHandler = {"ruzdo_source", nullptr,        SOX_EFF_MCHAN, nullptr,
                                             nullptr,        nullptr,        sourceDrain,   nullptr,
                                             nullptr,        sizeof(Source*)};
const sox_effect_handler_t kSinkHandler = {
    "ruzdo_sink", nullptr, SOX_EFF_MCHAN, nullptr, nullptr,
    sinkFlow,     nullptr, nullptr,       nullptr, sizeof(std::vector<float>*)};

// Adds an effect made by sox_create_effect; libsox copies it, so the
// original goes whatever happens.
bool addEffect(sox_effects_chain_t* chain, sox_effect_t* effect, sox_signalinfo_t* signal,
               const sox_signalinfo_t* last) {
  if (!effect) return false;
  const bool added = sox_add_effect(chain, effect, signal, last) == SOX_SUCCESS;
  free(effect);
  return added;
}

struct ChainDeleter {
  void operator()(sox_effects_chain_t* chain) const { sox_delete_effects_chain(chain); }
};

}  // namespace

std::optional<std::vector<float>> RunSoxEffects(const std::vector<float>& samples, int rateHz,
                                                const std::vector<SoxEffect>& effects,
                                                int outRateHz) {
  if (outRateHz == 0) outRateHz = rateHz;
  if (effects.empty() && outRateHz == rateHz) return samples;
  if (rateHz <= 0 || outRateHz <= 0) return std::nullopt;
  std::lock_guard<std::mutex> lock(soxMutex());
  if (!soxReady()) return std::nullopt;
  const sox_encodinginfo_t encoding = {
      SOX_ENCODING_SIGN2, 32,       0, sox_option_default, sox_option_default,
      sox_option_default, sox_false};
  std::unique_ptr<sox_effects_chain_t, ChainDeleter> chain(
      sox_create_effects_chain(&encoding, &encoding));
  if (!chain) return std::nullopt;
  sox_signalinfo_t signal = {static_cast<sox_rate_t>(rateHz), 1, 32, samples.size(), nullptr};
  const sox_signalinfo_t last = signal;

  Source source{&samples, 0};
  sox_effect_t* first = sox_create_effect(&kSourceHandler);
  if (!first) return std::nullopt;
  *static_cast<Source**>(first->priv) = &source;
  if (!addEffect(chain.get(), first, &signal, &last)) return std::nullopt;

  for (const SoxEffect& e : effects) {
    if (e.empty()) return std::nullopt;
    const sox_effect_handler_t* handler = sox_find_effect(e[0].c_str());
    if (!handler) return std::nullopt;
    sox_effect_t* effect = sox_create_effect(handler);
    if (!effect) return std::nullopt;
    std::vector<std::string> options(e.begin() + 1, e.end());
    std::vector<char*> argv;
    for (std::string& o : options) argv.push_back(o.data());
    if (sox_effect_options(effect, static_cast<int>(argv.size()), argv.data()) != SOX_SUCCESS) {
      free(effect);
      return std::nullopt;
    }
    if (!addEffect(chain.get(), effect, &signal, &last)) return std::nullopt;
  }
  if (std::lround(signal.rate) != outRateHz) return std::nullopt;

  const auto length =
      static_cast<std::size_t>(static_cast<double>(samples.size()) * outRateHz / rateHz);
  std::vector<float> result;
  result.reserve(length + 1024);
  std::vector<float>* sink = &result;
  sox_effect_t* end = sox_create_effect(&kSinkHandler);
  if (!end) return std::nullopt;
  *static_cast<std::vector<float>**>(end->priv) = sink;
  if (!addEffect(chain.get(), end, &signal, &last)) return std::nullopt;
  if (sox_flow_effects(chain.get(), nullptr, nullptr) != SOX_SUCCESS) return std::nullopt;
  result.resize(length, 0.0f);
  return result;
}

}  // namespace ruzdo
