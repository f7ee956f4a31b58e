#include "listening_condition.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "listening_scenes.h"
#include "translatable.h"

namespace ruzdo {
namespace {

const std::vector<ListeningConditionInfo> kConditions = {
    {ListeningCondition::kQuiet, "", QT_TRANSLATE_NOOP("ListeningCondition", "Тишина"),
     QT_TRANSLATE_NOOP("ListeningCondition", "Речь как есть, без помех."), false},
    {ListeningCondition::kPhone, "phone", QT_TRANSLATE_NOOP("ListeningCondition", "Телефон"),
     QT_TRANSLATE_NOOP("ListeningCondition",
                       "Как по телефонной линии: только полоса 300–3400 Гц, сжатый и чуть "
                       "искажённый звук; без шума."),
     false},
    {ListeningCondition::kStreet, "street", QT_TRANSLATE_NOOP("ListeningCondition", "Улица"),
     QT_TRANSLATE_NOOP("ListeningCondition", "Шум улицы: гул машин, которые проезжают мимо."),
     true},
    {ListeningCondition::kCrowd, "crowd", QT_TRANSLATE_NOOP("ListeningCondition", "Толпа"),
     QT_TRANSLATE_NOOP("ListeningCondition",
                       "Гомон толпы: несколько человек рядом говорят о своём."),
     true},
    {ListeningCondition::kStation, "station", QT_TRANSLATE_NOOP("ListeningCondition", "Вокзал"),
     QT_TRANSLATE_NOOP("ListeningCondition",
                       "Гулкий зал вокзала: эхо, толпа, далёкие объявления и шум поездов."),
     true},
};

// How long the noise takes to fade in at its start and out at its end.
constexpr double kFadeSeconds = 0.2;
// The speech part: from the first to the last sample above this share of the
// utterance's peak.
constexpr float kSpeechThreshold = 0.01f;

void fadeInAndOut(std::vector<float>& x, int rateHz) {
  const std::size_t n = std::min(x.size() / 2, static_cast<std::size_t>(kFadeSeconds * rateHz));
  for (std::size_t i = 0; i < n; ++i) {
    const auto g = static_cast<float>(0.5 - 0.5 * std::cos(M_PI * static_cast<double>(i) / n));
    x[i] *= g;
    x[x.size() - 1 - i] *= g;
  }
}

// The utterance reversed, as babble when no other talkers are at hand.
Talkers reversed(const PcmSound& utterance) {
  Talkers t;
  t.voices.push_back(utterance);
  std::reverse(t.voices[0].samples.begin(), t.voices[0].samples.end());
  return t;
}

}  // namespace

const std::vector<ListeningConditionInfo>& ListeningConditions() { return kConditions; }

const ListeningConditionInfo& ConditionInfo(ListeningCondition condition) {
  for (const ListeningConditionInfo& info : kConditions)
    if (info.condition == condition) return info;
  return kConditions.front();
}

ListeningCondition ConditionFromKey(std::string_view key) {
  for (const ListeningConditionInfo& info : kConditions)
    if (info.key == key) return info.condition;
  return ListeningCondition::kQuiet;
}

double SpeechToNoiseDb(const std::vector<float>& speech, const std::vector<float>& noise,
                       std::size_t begin, std::size_t end) {
  const double n = MeanPower(noise, begin, end);
  if (n <= 0) return 1000;
  return 10 * std::log10(MeanPower(speech, begin, end) / n);
}

std::optional<ConditionedParts> RenderConditionParts(const PcmSound& utterance,
                                                     const ConditionRequest& request) {
  const int rate = utterance.rateHz;
  if (rate <= 0) return std::nullopt;
  const ListeningCondition condition = request.condition;
  ConditionedParts parts;
  parts.rateHz = rate;
  if (condition == ListeningCondition::kQuiet || condition == ListeningCondition::kPhone) {
    parts.speech = utterance.samples;
    if (condition == ListeningCondition::kPhone) {
      auto line = PhoneLine(utterance.samples, rate);
      if (!line) return std::nullopt;
      parts.speech = std::move(*line);
    }
    parts.noise.assign(parts.speech.size(), 0.0f);
    parts.speechEnd = parts.speech.size();
    return parts;
  }

  const auto lead = static_cast<std::size_t>(kNoiseLeadSeconds * rate);
  const std::size_t length = lead + utterance.samples.size() + lead;
  parts.speech.assign(length, 0.0f);
  std::copy(utterance.samples.begin(), utterance.samples.end(), parts.speech.begin() + lead);
  float peak = 0;
  for (float x : utterance.samples) peak = std::max(peak, std::abs(x));
  parts.speechBegin = parts.speechEnd = lead;
  for (std::size_t i = 0; i < utterance.samples.size(); ++i)
    if (peak > 0 && std::abs(utterance.samples[i]) > kSpeechThreshold * peak) {
      if (parts.speechEnd == lead) parts.speechBegin = lead + i;
      parts.speechEnd = lead + i + 1;
    }

  std::mt19937 random(request.seed);
  const bool haveTalkers = request.talkers && !request.talkers->voices.empty();
  const Talkers own =
      haveTalkers || condition == ListeningCondition::kStreet ? Talkers{} : reversed(utterance);
  const Talkers& talkers = haveTalkers ? *request.talkers : own;
  std::optional<std::vector<float>> noise;
  switch (condition) {
    case ListeningCondition::kStreet:
      noise = StreetNoise(length, rate, random);
      break;
    case ListeningCondition::kCrowd:
      noise = CrowdBabble(length, rate, talkers, random);
      break;
    case ListeningCondition::kStation: {
      auto hall = HallEcho(parts.speech, rate);
      if (!hall) return std::nullopt;
      parts.speech = std::move(*hall);
      noise = StationNoise(length, rate, talkers, random);
      break;
    }
    default:
      break;
  }
  if (!noise) return std::nullopt;
  parts.noise = std::move(*noise);
  parts.noise.resize(length, 0.0f);
  fadeInAndOut(parts.noise, rate);
  // The hall's echo goes on after the speech; it dies away with the noise.
  if (condition == ListeningCondition::kStation) {
    const std::size_t fade = static_cast<std::size_t>(kFadeSeconds * rate);
    for (std::size_t i = 0; i < fade && i < length; ++i)
      parts.speech[length - 1 - i] *= static_cast<float>(
          0.5 - 0.5 * std::cos(M_PI * static_cast<double>(i) / static_cast<double>(fade)));
  }

  const double speechPower = MeanPower(parts.speech, parts.speechBegin, parts.speechEnd);
  const double noisePower = MeanPower(parts.noise, parts.speechBegin, parts.speechEnd);
  const double gain =
      speechPower > 0 && noisePower > 0
          ? std::sqrt(speechPower / noisePower * std::pow(10.0, -request.speechToNoiseDb / 10))
          : 0.0;
  float loudest = 0;
  for (std::size_t i = 0; i < length; ++i) {
    parts.noise[i] *= static_cast<float>(gain);
    loudest = std::max(loudest, std::abs(parts.speech[i] + parts.noise[i]));
  }
  // Loud noise would clip: both parts come down together, keeping the ratio.
  constexpr float kCeiling = 0.97f;
  if (loudest > kCeiling) {
    const float down = kCeiling / loudest;
    for (std::size_t i = 0; i < length; ++i) {
      parts.speech[i] *= down;
      parts.noise[i] *= down;
    }
  }
  return parts;
}

std::optional<std::vector<unsigned char>> ApplyListeningCondition(const unsigned char* wav,
                                                                  std::size_t size,
                                                                  const ConditionRequest& request) {
  if (request.condition == ListeningCondition::kQuiet) {
    if (!wav) return std::nullopt;
    return std::vector<unsigned char>(wav, wav + size);
  }
  const std::optional<PcmSound> utterance = ReadPcmWave(wav, size);
  if (!utterance || utterance->samples.empty()) return std::nullopt;
  const std::optional<ConditionedParts> parts = RenderConditionParts(*utterance, request);
  if (!parts) return std::nullopt;
  PcmSound heard{parts->rateHz, parts->speech};
  for (std::size_t i = 0; i < heard.samples.size(); ++i) heard.samples[i] += parts->noise[i];
  return WritePcmWave(heard);
}

}  // namespace ruzdo
