#include "montecarlo.h"

#include <cmath>
#include <numeric>
#include <vector>

namespace quelbor {

namespace {

// Mean and standard deviation in the order of the trials, before the coverage intervals
// reorder the values: the sums then come out the same on every platform. Two passes, so the
// spread of values far from zero loses no digits to cancellation.
MonteCarloResult moments(const std::vector<double> &values)
{
    const double sum = std::accumulate(values.begin(), values.end(), 0.0);
    const auto n = static_cast<double>(values.size());
    MonteCarloResult result;
    result.mean = sum / n;
    const double squares =
        std::accumulate(values.begin(), values.end(), 0.0, [&result](double total, double v) {
            return total + (v - result.mean) * (v - result.mean);
        });
    result.u = std::sqrt(squares / (n - 1));
    return result;
}

} // namespace

void reportTrials(const TrialProgress &progress, long done, long trials)
{
    if (!progress || (done % progressInterval != 0 && done != trials))
        return;
    if (!progress(done))
        throw TrialsCancelled();
}

MonteCarloRun runMonteCarlo(const InputUncertainties &inputs, long trials, std::uint64_t seed,
                            const TrialProgress &progress)
{
    MonteCarloRun run;
    run.trials = trials;
    RandomDeviates random(seed);
    std::array<std::vector<double>, outputCount> values;
    for (std::vector<double> &v : values)
        v.reserve(static_cast<std::size_t>(trials));

    OutputValues outputs{};
    for (long trial = 0; trial < trials; ++trial) {
        const InputValues drawn = drawTrialInputs(inputs, random);
        if (const std::optional<ErrorKind> error = computeOutputs(drawn, outputs)) {
            ++run.failed;
            ++run.failures[*error];
        } else {
            for (std::size_t out = 0; out < outputCount; ++out)
                values[out].push_back(outputs[out]);
        }
        reportTrials(progress, trial + 1, trials);
    }

    if (values[0].size() < minimumTrialsForInterval)
        return run;
    run.results.emplace();
    for (std::size_t out = 0; out < outputCount; ++out) {
        MonteCarloResult &result = (*run.results)[out];
        result = moments(values[out]);
        result.intervals = coverageIntervals95(values[out]);
    }
    return run;
}

} // namespace quelbor
