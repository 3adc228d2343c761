#include "curveband.h"

#include "characteristics.h"
#include "coverageinterval.h"
#include "moisturecurves.h"

#include <algorithm>

namespace quelbor {

namespace {

constexpr int gridPoints = 60; // psi = 0.01 … 0.60, the chart's width

std::vector<double> grid()
{
    std::vector<double> psi;
    for (int k = 1; k <= gridPoints; ++k)
        psi.push_back(k / 100.0);
    return psi;
}

// The curve of one set of inputs over the grid; throws the model's CalculationError.
std::vector<double> curveOf(const InputValues &values, const std::vector<double> &psi)
{
    DryingModel model;
    computeCharacteristics(model, values);
    std::vector<double> kappa(psi.size());
    std::transform(psi.begin(), psi.end(), kappa.begin(),
                   [&model](double p) { return diffusivityAt(model, p); });
    return kappa;
}

InputValues valuesOf(const InputUncertainties &inputs)
{
    InputValues values;
    for (std::size_t in = 0; in < inputValueFields.size(); ++in)
        values.*inputValueFields[in].value = inputs[in].value;
    return values;
}

} // namespace

double diffusivityAt(const DryingModel &model, double psi)
{
    return psi > model.psiSE ? kappaAbove(model, psi) : kappaBelow(model, psi, model.KappaSteig);
}

CurveBand curveBand(const InputUncertainties &inputs, long trials, std::uint64_t seed,
                    const TrialProgress &progress)
{
    CurveBand result;
    result.psi = grid();
    result.kappa = curveOf(valuesOf(inputs), result.psi);
    result.trials = trials;

    std::vector<std::vector<double>> values(result.psi.size());
    RandomDeviates random(seed);
    for (long trial = 0; trial < trials; ++trial) {
        try {
            const std::vector<double> kappa = curveOf(drawTrialInputs(inputs, random), result.psi);
            for (std::size_t point = 0; point < kappa.size(); ++point)
                values[point].push_back(kappa[point]);
        } catch (const CalculationError &failure) {
            ++result.failed;
            ++result.failures[failure.kind()];
        }
        reportTrials(progress, trial + 1, trials);
    }

    if (values.front().size() < minimumTrialsForInterval)
        return result;
    for (std::vector<double> &atPoint : values)
        result.band.push_back(coverageIntervals95(atPoint).symmetric);
    return result;
}

} // namespace quelbor
