#include "calculationerror.h"
#include "checkedmath.h"
#include "expectations.h"
#include "floatstatus.h"
#include "moisturecurves.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <limits>

using namespace quelbor;
using quelbor::test::faultOf;

namespace {

constexpr float largestFloat = std::numeric_limits<float>::max();
constexpr float infinity = std::numeric_limits<float>::infinity();

// Rounding to single precision at the edge of the float range: halfway between the largest
// float and 2^128 is the first double that rounds to infinity.
TEST(CheckedMath, RoundingToSingleAtTheEdgeOfTheRange)
{
    const struct
    {
        double value;
        float single; // infinity: the rounding overflows
    } cases[] = {
        {0x1.fffffep+127, largestFloat},
        {0x1.fffffefffffffp+127, largestFloat},
        {-0x1.fffffefffffffp+127, -largestFloat},
        {0x1.ffffffp+127, infinity},
        {-0x1.ffffffp+127, -infinity},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        std::feclearexcept(FE_ALL_EXCEPT);
        EXPECT_EQ(checked::toSingleFlagged(c.value), c.single);
        const bool overflows = c.single == infinity || c.single == -infinity;
        EXPECT_EQ(std::fetestexcept(FE_OVERFLOW) != 0, overflows);
        EXPECT_EQ(faultOf([&] { checked::toSingle(c.value); }),
                  overflows ? std::optional(ErrorKind::Overflow) : std::nullopt);
    }
    std::feclearexcept(FE_ALL_EXCEPT);
}

// The status tests of the calculation find a flag that an operation left set, whichever of
// the three it is.
TEST(CheckedMath, StatusTestsFindEachTestedFlag)
{
    for (const int flag : {FE_INVALID, FE_DIVBYZERO, FE_OVERFLOW}) {
        std::feclearexcept(FE_ALL_EXCEPT);
        std::feraiseexcept(flag);
        EXPECT_EQ(faultOf([] { checked::oneThird(); }), ErrorKind::FloatingPoint) << flag;
        EXPECT_EQ(faultOf([] { kappaDecade(1e-9); }), ErrorKind::FloatingPoint) << flag;
    }
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_UNDERFLOW | FE_INEXACT);
    EXPECT_EQ(faultOf([] { testFloatStatus(); }), std::nullopt);
    std::feclearexcept(FE_ALL_EXCEPT);
}

} // namespace
