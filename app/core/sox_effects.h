#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ruzdo {

// One libsox effect as its name and options, as the sox command takes them:
// {"sinc", "300-3400"}.
using SoxEffect = std::vector<std::string>;

// Runs mono samples in -1 ... 1 at rateHz through a chain of libsox effects
// and returns what comes out at outRateHz (the chain's own "rate" effects
// get it there), cut or padded with silence to the length that went in.
// Nothing when libsox refuses an effect or its options, or the rate at the
// end differs. libsox keeps state of its own across chains (its filters'
// tables, its messages), so chains run one at a time in the process.
std::optional<std::vector<float>> RunSoxEffects(const std::vector<float>& samples, int rateHz,
                                                const std::vector<SoxEffect>& effects,
                                                int outRateHz = 0);

}  // namespace ruzdo
