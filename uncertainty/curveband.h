#pragma once

#include "calculationerror.h"
#include "dryingmodel.h"
#include "inputuncertainty.h"
#include "montecarlo.h"

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace quelbor {

// Fewer trials than the results get: the band is a picture, its ends need no second digit.
constexpr long curveBandTrials = 10000;

// The diffusivity at 25 °C (m²/s) at the volumetric water content psi, as the main window's
// chart draws it: the square law above the shrinkage end, the entered slope below it.
double diffusivityAt(const DryingModel &model, double psi);

// The diffusivity curve of the main window's chart with its 95 % band by Monte Carlo: at each
// psi of the grid 0.01, 0.02 … 0.60 the curve at the entered values and the probabilistically
// symmetric 95 % interval (the 2.5 % and 97.5 % quantiles, JCGM 101 7.7) of the trials' curves.
struct CurveBand
{
    std::vector<double> psi;
    std::vector<double> kappa;                   // at the entered values
    std::vector<std::pair<double, double>> band; // empty when too few trials succeeded
    long trials = 0;
    long failed = 0;                    // trials whose model or curve faulted somewhere
    std::map<ErrorKind, long> failures; // by the error that ended them
};

// The trials draw the inputs as runMonteCarlo does, from the same seed. Throws the
// CalculationError of the entered values' own curve; TrialsCancelled when `progress` says so.
CurveBand curveBand(const InputUncertainties &inputs, long trials, std::uint64_t seed,
                    const TrialProgress &progress = {});

} // namespace quelbor
