#include "gumpropagation.h"

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

// A central difference (f(x+h) − f(x−h)) / 2h errs by about h²·f'''/6 from truncation and
// by eps·|f|/h from the rounding of f; both are smallest together near h = eps^(1/3)·|x|,
// about 6e-6·|x|. The step is the power of two 2^(e−17) for x in [2^e, 2^(e+1)), between
// 3.8e-6 and 7.6e-6 of |x|, so x ± h are exact in double and, for a float x, in float too
// (its ulp is 2^(e−23): h is 64 of them). A step below the float's ulp would move the
// single-precision inputs by nothing or by one rounding step and give nonsense; this one moves
// them by exactly h. With Xmess = 0.185 (float 0.18500000238…): h = 2^-20 ≈ 9.5e-7, and both
// errors stay near 1e-11 of the derivative, far below the two digits u is quoted with.
double derivativeStep(double x)
{
    if (x == 0)
        return 0x1.0p-17;
    int e = 0;
    std::frexp(x, &e); // |x| in [2^(e−1), 2^e)
    return std::ldexp(1.0, e - 1 - 17);
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
            for (double &share : r.budget)
                share /= variance;
        }
    }
    return results;
}

} // namespace quelbor
