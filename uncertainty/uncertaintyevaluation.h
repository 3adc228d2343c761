#pragma once

#include "gumpropagation.h"
#include "gumvalidation.h"
#include "inputuncertainty.h"
#include "montecarlo.h"

#include <array>
#include <cstdint>
#include <optional>

namespace quelbor {

struct UncertaintySettings
{
    bool monteCarlo = true;
    long trials = defaultTrials;
    std::uint64_t seed = defaultSeed;
};

// One result by both methods. `validation` is set when both have a result.
struct OutputUncertainty
{
    GumResult gum;
    std::optional<MonteCarloResult> monteCarlo;
    std::optional<GumValidation> validation;
};

struct UncertaintyEvaluation
{
    InputUncertainties inputs;
    std::array<OutputUncertainty, outputCount> outputs; // in the order of outputNames()
    std::optional<MonteCarloRun> monteCarlo;            // trials, failures; with the settings
    UncertaintySettings settings;
};

// The uncertainty of the six results of a body. Throws the CalculationError of the entered
// values themselves: then there is no estimate to state an uncertainty for. `progress` is told
// of the Monte Carlo trials and may stop them (TrialsCancelled).
UncertaintyEvaluation evaluateUncertainty(const InputValues &values,
                                          const StatedUncertainties &stated,
                                          const UncertaintySettings &settings,
                                          const TrialProgress &progress = {});

// True when some input has a nonzero uncertainty.
bool anyUncertain(const StatedUncertainties &stated);

} // namespace quelbor
