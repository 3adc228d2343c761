#pragma once

#include "inputvalues.h"
#include "randomdeviates.h"

#include <array>
#include <optional>
#include <string_view>

namespace quelbor {

// How the values an input may take are spread about its entered value.
enum class Distribution {
    Normal,
    Rectangular, // half-width √3·u
    Triangular,  // symmetric, half-width √6·u
};

// An input's standard uncertainty as the user states it: in the input's unit as entered
// (ksiSE in %, kappaMess in 1e-9 m²/s) or, with `percent`, in % of the entered value. Zero
// means the input is exact.
struct StatedUncertainty
{
    double amount = 0;
    bool percent = false;
    Distribution distribution = Distribution::Normal;
};

// One per input, in the order of inputValueFields. All exact by default.
using StatedUncertainties = std::array<StatedUncertainty, inputValueFields.size()>;

// An input with its standard uncertainty u in the input's unit as entered.
struct InputUncertainty
{
    double value = 0;
    double u = 0;
    Distribution distribution = Distribution::Normal;
};

using InputUncertainties = std::array<InputUncertainty, inputValueFields.size()>;

// u of a percent statement is |value| · amount / 100.
InputUncertainties resolveUncertainties(const InputValues &values,
                                        const StatedUncertainties &stated);

// Reads "12", "0,005", "3%" or "3 %" (decimal comma or point, blanks around). Empty text is
// zero (exact). Nothing else: no exponent, no sign, no other character, nothing infinite.
std::optional<StatedUncertainty> readStatedAmount(std::string_view text);

// "normal", "rect" or "rectangular", "tri" or "triangular" (in any case).
std::optional<Distribution> readDistribution(std::string_view text);
const char *distributionName(Distribution distribution); // "normal", "rectangular", "triangular"

// One deviation of an input from its value: mean 0, standard deviation u, shaped as its
// distribution.
double drawDeviation(const InputUncertainty &input, RandomDeviates &random);

// The inputs of one trial: each uncertain one drawn about its value, in the order of
// inputValueFields from the one generator; the exact ones as they are.
InputValues drawTrialInputs(const InputUncertainties &inputs, RandomDeviates &random);

} // namespace quelbor
