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
#include <stdexcept>

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

// Told how many trials are done, every progressInterval trials and once at the end; returns
// false to stop the run, which then throws TrialsCancelled. Called on the run's own thread.
using TrialProgress = std::function<bool(long done)>;
constexpr long progressInterval = 4096;

class TrialsCancelled : public std::runtime_error
{
public:
    TrialsCancelled()
        : std::runtime_error("trials cancelled")
    {}
};

// Propagation of distributions after JCGM 101: `trials` draws of every uncertain input (in
// the order of inputValueFields, one generator for all), each through the model's own
// arithmetic. A trial that faults counts under its error and adds nothing to the statistics.
// The same inputs, trials and seed give the same bits on every platform.
MonteCarloRun runMonteCarlo(const InputUncertainties &inputs, long trials, std::uint64_t seed,
                            const TrialProgress &progress = {});

// Asks `progress`, if there is one, after `done` trials of `trials`: at every progressInterval
// and at the end. Throws TrialsCancelled when it answers false.
void reportTrials(const TrialProgress &progress, long done, long trials);

} // namespace quelbor
