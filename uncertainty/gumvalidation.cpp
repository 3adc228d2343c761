#include "gumvalidation.h"

#include "numbertext.h"
#include "parsedecimal.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quelbor {

double numericalTolerance(double u)
{
    if (!(u > 0))
        return 0;
    // u = c·10^l with c of two digits: the exponent of u rounded to two digits ("1.2e-02" for
    // 0.0123, "1.0e-01" for 0.0996), from the correctly rounded decimal form rather than from
    // log10, which C libraries may round differently near powers of ten.
    const std::string text = numberText(u, std::chars_format::scientific, 1);
    std::size_t digits = text.find('e') + 1;
    if (text[digits] == '+')
        ++digits;
    int exponent = 0;
    std::from_chars(text.data() + digits, text.data() + text.size(), exponent);
    return ParseDecimal("5e" + std::to_string(exponent - 2)); // ½·10^l, l = exponent − 1
}

GumValidation validateGum(const GumResult &gum, const MonteCarloResult &monteCarlo)
{
    GumValidation v;
    v.tolerance = numericalTolerance(gum.u);
    const double halfWidth = normalCoverageFactor95 * gum.u;
    v.lowDifference = std::fabs(gum.estimate - halfWidth - monteCarlo.intervals.symmetric.first);
    v.highDifference = std::fabs(gum.estimate + halfWidth - monteCarlo.intervals.symmetric.second);
    v.agree = v.lowDifference <= v.tolerance && v.highDifference <= v.tolerance;
    return v;
}

} // namespace quelbor
