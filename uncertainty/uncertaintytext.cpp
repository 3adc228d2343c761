#include "uncertaintytext.h"

#include "numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace quelbor {

namespace {

std::string withSeparator(std::string number, std::string_view separator)
{
    const auto point = number.find('.');
    if (point != std::string::npos)
        number.replace(point, 1, separator);
    return number;
}

// |u| rounded to two significant digits, as std::to_chars writes it: "9.0e-03".
std::string twoDigits(double u)
{
    return numberText(std::fabs(u), std::chars_format::scientific, 1);
}

// The decimal exponent of |u| after rounding to two significant digits: 0.00996 is 0.010, 1e-2.
int roundedExponent(double u)
{
    const std::string scientific = twoDigits(u);
    const char *exponent = scientific.data() + scientific.find('e') + 1;
    if (*exponent == '+')
        ++exponent;
    int value = 0;
    std::from_chars(exponent, scientific.data() + scientific.size(), value);
    return value;
}

struct GermanDistribution
{
    Distribution distribution;
    const char *name;
};

constexpr GermanDistribution germanDistributions[] = {
    {Distribution::Normal, "normal"},
    {Distribution::Rectangular, "rechteckig"},
    {Distribution::Triangular, "dreieckig"},
};

} // namespace

std::string decimalText(double value, int decimals, std::string_view separator)
{
    return withSeparator(numberText(value, std::chars_format::fixed, decimals), separator);
}

std::string intervalText(const std::pair<double, double> &ends, int decimals,
                         std::string_view separator)
{
    return "[" + decimalText(ends.first, decimals, separator) + "; " +
           decimalText(ends.second, decimals, separator) + "]";
}

int twoDigitDecimals(double u, int fallback)
{
    if (u == 0 || !std::isfinite(u))
        return fallback;
    return std::max(0, 1 - roundedExponent(u));
}

std::string twoDigitText(double u, std::string_view separator)
{
    if (u == 0)
        return "0";
    const int exponent = roundedExponent(u);
    if (exponent <= 1)
        return decimalText(u, 1 - exponent, separator);
    // 123 has two significant digits as 120: rounded in scientific form, written out whole.
    // "1.2e+02": the two digits as a whole number times a power of ten, both exact.
    const std::string digits = twoDigits(u);
    const double mantissa = (digits[0] - '0') * 10 + (digits[2] - '0');
    const double rounded = mantissa * std::pow(10.0, exponent - 1);
    return decimalText(u < 0 ? -rounded : rounded, 0, separator);
}

int valueDecimals(const OutputUncertainty &output, int fallback)
{
    const double u = !output.gum.error   ? output.gum.u
                     : output.monteCarlo ? output.monteCarlo->u
                                         : 0;
    return u == 0 ? fallback : twoDigitDecimals(u, fallback) + 1;
}

std::string calculationErrorLine(ErrorKind kind)
{
    return "Laufzeitfehler " + std::to_string(errorNumber(kind)) + ": " + errorText(kind);
}

std::string failedTrialsLine(const MonteCarloRun &run)
{
    std::string text = "Fehlgeschlagene Versuche: " + std::to_string(run.failed) + " von " +
                       std::to_string(run.trials);
    if (run.failures.empty())
        return text;
    std::string byError;
    for (const auto &[kind, count] : run.failures)
        byError += (byError.empty() ? "" : "; ") + calculationErrorLine(kind) + ": " +
                   std::to_string(count);
    return text + " (" + byError + ")";
}

const char *germanDistributionName(Distribution distribution)
{
    return std::find_if(std::begin(germanDistributions), std::end(germanDistributions),
                        [distribution](const GermanDistribution &german) {
                            return german.distribution == distribution;
                        })
        ->name;
}

} // namespace quelbor
