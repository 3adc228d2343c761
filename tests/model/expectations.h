#pragma once

#include "calculationerror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace quelbor::test {

// Half a unit in the last place of a figure given to `digits` significant digits.
inline double halfUnitInLastDigit(double expected, int digits)
{
    return 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - (digits - 1));
}

// The kind of the CalculationError that `action` throws, or nothing when it finishes.
template <typename Action> std::optional<ErrorKind> faultOf(Action &&action)
{
    try {
        action();
    } catch (const CalculationError &error) {
        return error.kind();
    }
    return std::nullopt;
}

} // namespace quelbor::test

// Checks a value against a figure quoted to `digits` significant digits.
#define EXPECT_DIGITS(actual, expected, digits)                                                    \
    EXPECT_NEAR(actual, expected, quelbor::test::halfUnitInLastDigit(expected, digits))
