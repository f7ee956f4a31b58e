#include "synthesis_job.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/listening_condition.h"

namespace ruzdo {
namespace {

// FNV-1a over the key's fields as text (whether there are other talkers
// aside: the noise is the same either way): the same on every run and machine.
std::uint32_t seedOf(const SynthesisJob& job) {
  std::uint32_t h = 2166136261u;
  auto mix = [&h](std::string_view bytes) {
    for (unsigned char c : bytes) h = (h ^ c) * 16777619u;
    h = (h ^ 0xffu) * 16777619u;
  };
  const auto& [text, speed, voice, variant, condition, noiseDb, withTalkers] = job.key();
  (void)withTalkers;
  for (const std::string& field :
       {text, std::to_string(speed), voice, variant, condition, std::to_string(noiseDb)})
    mix(field);
  return h;
}

}  // namespace

WaveRef HeardUnderCondition(const SynthesisJob& job, WaveRef made) {
  if (!made || job.condition.empty()) return made;
  const auto heard = ApplyListeningCondition(
      made->data(), made->size(),
      {ConditionFromKey(job.condition), job.noiseDb, seedOf(job), job.talkers.get()});
  if (!heard) return nullptr;
  auto bytes = std::make_shared<std::vector<unsigned char>>(std::move(*heard));
  // The image lives as long as the function that would release it.
  return std::make_shared<const WaveImage>(bytes->data(), bytes->size(),
                                           [bytes](unsigned char*) {});
}

}  // namespace ruzdo
