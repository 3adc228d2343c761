#pragma once

#include "gumpropagation.h"
#include "montecarlo.h"

namespace quelbor {

// The check of JCGM 101 section 8: does the law of propagation's 95 % interval y ± 1.96·u
// match the Monte Carlo probabilistically symmetric 95 % interval? The tolerance δ is half a
// unit of the second significant digit of u (u = 0.0123, quoted 0.012 = 12·10^-3: δ = 0.0005);
// the two agree when both ends differ by at most δ. The comparison uses 1.96, the normal's
// 95 % factor, not the k = 2 that U is quoted with: with k = 2 even an exactly normal output
// would differ by 0.04·u at each end, more than δ whenever u's two digits are 13 or more.
struct GumValidation
{
    double tolerance = 0; // δ
    double lowDifference = 0;
    double highDifference = 0;
    bool agree = false;
};

constexpr double normalCoverageFactor95 = 1.959963984540054;

GumValidation validateGum(const GumResult &gum, const MonteCarloResult &monteCarlo);

// Half a unit of the second significant digit of u; 0 for u = 0.
double numericalTolerance(double u);

} // namespace quelbor
