#pragma once

#include "calculationerror.h"
#include "inputuncertainty.h"
#include "modeloutputs.h"

#include <array>
#include <optional>

namespace quelbor {

constexpr int gumCoverageFactor = 2;

// One result by the law of propagation of uncertainty (first order, uncorrelated inputs).
struct GumResult
{
    std::optional<ErrorKind> error; // a derivative's calculation faulted: nothing else is set
    double estimate = 0;
    double u = 0;                                              // combined standard uncertainty
    double U = 0;                                              // expanded, k = gumCoverageFactor
    std::array<double, inputValueFields.size()> sensitivity{}; // ∂y/∂x, 0 for exact inputs
    std::array<double, inputValueFields.size()> budget{};      // (c·u(x))² / u², 0 where u is 0
};

using GumResults = std::array<GumResult, outputCount>;

// The six results at the entered values with their uncertainties. `estimate` holds the six
// results of the entered values, which the caller has computed without fault.
GumResults propagateGum(const InputUncertainties &inputs, const OutputValues &estimate);

// The step of the central difference for an input entered as x; see the definition.
double derivativeStep(double x);

} // namespace quelbor
