#include "gumpropagation.h"

#include <algorithm>
#include <cmath>

namespace quelbor {

namespace {

InputValues valuesOf(const InputUncertainties &inputs)
{
    InputValues values;
    for (std::size_t i = 0; i < inputValueFields.size(); ++i)
        values.*inputValueFields[i].value = inputs[i].value;
    return values;
}

// Xmess and KappaSteig are held in single precision: the model rounds whatever is entered to
// the nearest float, so their derivative is taken about that float.
bool heldInSinglePrecision(std::size_t input)
{
    return inputValueFields[input].value == &InputValues::Xmess ||
           inputValueFields[input].value == &InputValues::KappaSteig;
}

} // namespace

// The step of the central difference (f(x+h) − f(x−h)) / 2h is set by the model's single
// precision. Xmess and KappaSteig are rounded to float when stored, and so is rhoMess, a value
// every diffusivity result passes through: its relative quantum is 6e-8, so each of the two
// evaluations may be off by 3.6e-8 of rhoMess. At the error-balancing step of double
// arithmetic, eps^(1/3)·|x| ≈ 6e-6·|x|, rhoMess moves by only some 1e-5 of itself and that
// rounding spoils the derivative of kappaGrenz by Xmess by 0.1 % (measured) and up to 1 %.
// The step is therefore 2^(e−9) for |x| in [2^e, 2^(e+1)), between 1e-3 and 2e-3 of |x|:
// with Xmess = 0.185, h = 2^-12 ≈ 2.4e-4 moves rhoMess by about 1.5 kg/m³ against a quantum
// of 1.2e-4, an error of 4e-5 of the derivative, and the truncation error (h²/6 times the
// third derivative) stays near 3e-6 of it: both far below the two digits u is quoted with.
// As a power of two, x ± h are exact in double and, for a float x (ulp 2^(e−23)), in float
// too, so the single-precision inputs move by exactly h about the float the model holds.
double derivativeStep(double x)
{
    if (x == 0)
        return 0x1.0p-9;
    int e = 0;
    std::frexp(x, &e); // |x| in [2^(e−1), 2^e)
    return std::ldexp(1.0, e - 1 - 9);
}

GumResults propagateGum(const InputUncertainties &inputs, const OutputValues &estimate)
{
    GumResults results;
    for (std::size_t out = 0; out < outputCount; ++out)
        results[out].estimate = estimate[out];

    const InputValues entered = valuesOf(inputs);
    for (std::size_t in = 0; in < inputValueFields.size(); ++in) {
        if (inputs[in].u == 0)
            continue;
        double x = inputs[in].value;
        if (heldInSinglePrecision(in))
            x = static_cast<float>(x);
        const double h = derivativeStep(x);
        InputValues up = entered;
        InputValues down = entered;
        up.*inputValueFields[in].value = x + h;
        down.*inputValueFields[in].value = x - h;
        OutputValues above{};
        OutputValues below{};
        const std::optional<ErrorKind> upError = computeOutputs(up, above);
        const std::optional<ErrorKind> downError = computeOutputs(down, below);
        for (std::size_t out = 0; out < outputCount; ++out) {
            GumResult &r = results[out];
            if (std::isnan(above[out]) || std::isnan(below[out])) {
                if (!r.error)
                    r.error = std::isnan(above[out]) ? upError : downError;
                continue;
            }
            r.sensitivity[in] = (above[out] - below[out]) / (2 * h);
        }
    }

    for (GumResult &r : results) {
        if (r.error)
            continue;
        double variance = 0;
        for (std::size_t in = 0; in < inputValueFields.size(); ++in) {
            const double contribution = r.sensitivity[in] * inputs[in].u;
            r.budget[in] = contribution * contribution;
            variance += r.budget[in];
        }
        r.u = std::sqrt(variance);
        r.U = gumCoverageFactor * r.u;
        if (variance > 0) {
            std::transform(r.budget.begin(), r.budget.end(), r.budget.begin(),
                           [variance](double share) { return share / variance; });
        }
    }
    return results;
}

} // namespace quelbor
