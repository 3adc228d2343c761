#include "inputuncertainty.h"

#include "calculationerror.h"
#include "parsedecimal.h"

#include <algorithm>
#include <cmath>

namespace quelbor {

namespace {

struct DistributionName
{
    Distribution distribution;
    std::string_view name;
    std::string_view shortName;
};

constexpr std::array<DistributionName, 3> distributionNames{{
    {Distribution::Normal, "normal", "normal"},
    {Distribution::Rectangular, "rectangular", "rect"},
    {Distribution::Triangular, "triangular", "tri"},
}};

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Digits with at most one decimal separator and at least one digit.
bool isPlainDecimal(std::string_view text)
{
    int separators = 0;
    int digits = 0;
    for (const char c : text) {
        if (c == ',' || c == '.')
            ++separators;
        else if (c >= '0' && c <= '9')
            ++digits;
        else
            return false;
    }
    return separators <= 1 && digits > 0;
}

} // namespace

InputUncertainties resolveUncertainties(const InputValues &values,
                                        const StatedUncertainties &stated)
{
    InputUncertainties inputs;
    for (std::size_t i = 0; i < inputValueFields.size(); ++i) {
        const double value = values.*inputValueFields[i].value;
        const StatedUncertainty &s = stated[i];
        inputs[i] = {value, s.percent ? std::fabs(value) * s.amount / 100 : s.amount,
                     s.distribution};
    }
    return inputs;
}

std::optional<StatedUncertainty> readStatedAmount(std::string_view text)
{
    StatedUncertainty stated;
    text = trimmed(text);
    if (text.empty())
        return stated;
    if (text.back() == '%') {
        stated.percent = true;
        text = trimmed(text.substr(0, text.size() - 1));
    }
    if (!isPlainDecimal(text))
        return std::nullopt;
    try {
        stated.amount = ParseDecimal(text);
    } catch (const CalculationError &) { // beyond a double
        return std::nullopt;
    }
    return stated;
}

std::optional<Distribution> readDistribution(std::string_view text)
{
    text = trimmed(text);
    const auto named = std::find_if(
        distributionNames.begin(), distributionNames.end(), [text](const DistributionName &d) {
            return sameIgnoringCase(text, d.name) || sameIgnoringCase(text, d.shortName);
        });
    if (named == distributionNames.end())
        return std::nullopt;
    return named->distribution;
}

const char *distributionName(Distribution distribution)
{
    const auto named = std::find_if(
        distributionNames.begin(), distributionNames.end(),
        [distribution](const DistributionName &d) { return d.distribution == distribution; });
    return named == distributionNames.end() ? "normal" : named->name.data();
}

double drawDeviation(const InputUncertainty &input, RandomDeviates &random)
{
    // A rectangle of half-width a has u = a/√3; the sum of two uniforms on [0, 1) less one is
    // the symmetric triangle on (−1, 1), whose u is 1/√6.
    switch (input.distribution) {
    case Distribution::Rectangular:
        return std::sqrt(3.0) * input.u * (2 * random.uniform() - 1);
    case Distribution::Triangular: {
        const double first = random.uniform();
        return std::sqrt(6.0) * input.u * (first + random.uniform() - 1);
    }
    case Distribution::Normal:
        break;
    }
    return input.u * random.standardNormal();
}

InputValues drawTrialInputs(const InputUncertainties &inputs, RandomDeviates &random)
{
    InputValues drawn;
    for (std::size_t in = 0; in < inputValueFields.size(); ++in) {
        const InputUncertainty &input = inputs[in];
        drawn.*inputValueFields[in].value =
            input.u == 0 ? input.value : input.value + drawDeviation(input, random);
    }
    return drawn;
}

} // namespace quelbor
