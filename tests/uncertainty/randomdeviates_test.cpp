// The generator and the logarithm the deviates are made of. Expected draws were worked out
// with a separate implementation of splitmix64 and xoshiro256** from their published
// reference code (Python integers); the logarithm is held against the C library's.

#include "portablelog.h"
#include "randomdeviates.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quelbor;

namespace {

TEST(RandomDeviates, DrawsTheReferenceSequenceOfSeed17025)
{
    RandomDeviates random(17025);
    EXPECT_EQ(random.bits(), 0x80babf5fbe25da9dU);
    EXPECT_EQ(random.uniform(), 0.9154563342587565);
    EXPECT_EQ(random.bits(), 0x7a901c2ef673afb4U);
}

const double logArguments[] = {
    1,
    2,
    0.5,
    3,
    10,
    0.7071067811865475,
    0.7071067811865476,
    1.4142135623730951,
    1e-300,
    1e300,
    4.9e-324,
    0.999999999,
    1.000000001,
    0.01234,
    123456.789,
};

TEST(PortableLog, StaysWithinTwoUlpOfTheLibrarysLogarithm)
{
    for (const double x : logArguments) {
        const double expected = std::log(x);
        const double ulp = std::nextafter(std::fabs(expected), INFINITY) - std::fabs(expected);
        EXPECT_NEAR(portableLog(x), expected, 2 * ulp) << "ln " << x;
    }
    EXPECT_EQ(portableLog(1), 0.0);
}

// A deviate's moments over 200 000 draws: the sample mean's standard error is 1/√n = 0.0022,
// that of the variance √(2/n) = 0.0032; the bounds are five of them.
TEST(RandomDeviates, NormalDeviatesHaveMeanZeroAndVarianceOne)
{
    RandomDeviates random(1);
    constexpr int n = 200000;
    double sum = 0;
    double squares = 0;
    for (int i = 0; i < n; ++i) {
        const double z = random.standardNormal();
        sum += z;
        squares += z * z;
    }
    EXPECT_NEAR(sum / n, 0, 0.011);
    EXPECT_NEAR(squares / n, 1, 0.016);
}

} // namespace
