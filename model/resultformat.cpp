#include "resultformat.h"

#include "calculationerror.h"
#include "numbertext.h"

#include <charconv>
#include <cmath>

namespace quelbor {

namespace {

constexpr int significantDigits = 15;

// The value's 15 significant digits and the power of ten of the first one.
struct DecimalForm
{
    std::string digits;
    int exponent = 0;
};

DecimalForm decimalForm(double magnitude)
{
    const std::string scientific =
        numberText(magnitude, std::chars_format::scientific, significantDigits - 1);
    const char *const end = scientific.data() + scientific.size();
    DecimalForm form;
    const char *p = scientific.data();
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            form.digits.push_back(*p);
    }
    ++p;
    if (*p == '+')
        ++p;
    std::from_chars(p, end, form.exponent);
    return form;
}

// Rounds the decimal form half away from zero to `decimals` places and returns the digits of
// value * 10^decimals as an integer.
std::string roundedScaledDigits(const DecimalForm &form, int decimals)
{
    const int keep = form.exponent + 1 + decimals;
    if (keep < 0)
        return "0";
    if (keep >= static_cast<int>(form.digits.size()))
        return form.digits + std::string(static_cast<std::size_t>(keep) - form.digits.size(), '0');

    std::string kept = form.digits.substr(0, static_cast<std::size_t>(keep));
    if (form.digits[static_cast<std::size_t>(keep)] >= '5') {
        int i = keep - 1;
        for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i)
            kept[static_cast<std::size_t>(i)] = '0';
        if (i >= 0)
            ++kept[static_cast<std::size_t>(i)];
        else
            kept.insert(kept.begin(), '1');
    }
    return kept.empty() ? "0" : kept;
}

} // namespace

std::string formatResult(double value, int decimals, std::string_view separator)
{
    // a diffusivity near the top of the double range overflows once it is scaled to 1e-9 m²/s
    if (!std::isfinite(value))
        throw CalculationError(ErrorKind::Overflow);
    std::string digits = roundedScaledDigits(decimalForm(value < 0 ? -value : value), decimals);
    const std::size_t minimumLength = static_cast<std::size_t>(decimals) + 1;
    if (digits.size() < minimumLength)
        digits.insert(0, minimumLength - digits.size(), '0');

    std::string text = value < 0 ? "-" : "";
    text += digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    if (decimals > 0) {
        text += separator;
        text += digits.substr(digits.size() - static_cast<std::size_t>(decimals));
    }
    return text;
}

} // namespace quelbor
