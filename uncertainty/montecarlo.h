#pragma once

#include "calculationerror.h"
#include "coverageinterval.h"
#include "inputuncertainty.h"
#include "modeloutputs.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

namespace quelbor {

// The seed of a run that names none: ISO/IEC 17025, the standard that asks for the figures.
constexpr std::uint64_t defaultSeed = 17025;
constexpr long defaultTrials = 1000000;

// One result's distribution from the trials that ended without fault.
struct MonteCarloResult
{
    double mean = 0;
    double u = 0; // standard deviation of the trials' values
    CoverageIntervals intervals;
};

struct MonteCarloRun
{
    long trials = 0;
    long failed = 0;
    std::map<ErrorKind, long> failures; // failed trials by the error that ended them
    // Empty when fewer than minimumTrialsForInterval trials ended without fault.
    std::optional<std::array<MonteCarloResult, outputCount>> results;
};

// Told the number of trials done now and then during a run (every trialsPerProgress
// trials and at its end), for a progress display; it neither changes nor stops the run.
using TrialProgress = std::function<void(long trialsDone)>;
constexpr long trialsPerProgress = 1 << 14;

// Propagation of distributions after JCGM 101: `trials` draws of every uncertain input (in
// the order of inputValueFields, one generator for all), each through the model's own
// arithmetic. A trial that faults counts under its error and adds nothing to the statistics.
// The same inputs, trials and seed give the same bits on every platform.
MonteCarloRun runMonteCarlo(const InputUncertainties &inputs, long trials, std::uint64_t seed,
                            const TrialProgress &progress = {});

} // namespace quelbor
