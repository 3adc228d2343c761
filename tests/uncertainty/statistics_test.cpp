// Coverage intervals, the validation's tolerance and the stated uncertainties as typed.

#include "coverageinterval.h"
#include "gumvalidation.h"
#include "inputuncertainty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace quelbor;

namespace {

TEST(CoverageInterval, EndsAreTheOrderStatisticsOfJcgm101)
{
    // M = 100: q = 95, r = (100 − 95 + 1)/2 = 3, so [y(3), y(98)]; every window of 95 is as
    // wide as any other, and the shortest is the first: [y(1), y(96)].
    std::vector<double> values;
    for (int i = 100; i >= 1; --i)
        values.push_back(i);
    std::rotate(values.begin(), values.begin() + 37, values.end());
    const CoverageIntervals even = coverageIntervals95(values);
    EXPECT_EQ(even.symmetric, std::make_pair(3.0, 98.0));
    EXPECT_EQ(even.shortest, std::make_pair(1.0, 96.0));

    // A long lower tail of five values far out: M = 100, y(1) … y(5) = −5000 … −1000, then
    // 1 … 95. Symmetric: [y(3), y(98)] = [−3000, 93]; the shortest window of 96 values starts
    // at the last outlier: [y(5), y(100)] = [−1000, 95].
    std::vector<double> skewed;
    for (int i = 1; i <= 95; ++i)
        skewed.push_back(i);
    for (int i = 1; i <= 5; ++i)
        skewed.push_back(-1000.0 * i);
    std::reverse(skewed.begin(), skewed.end());
    const CoverageIntervals tail = coverageIntervals95(skewed);
    EXPECT_EQ(tail.symmetric, std::make_pair(-3000.0, 93.0));
    EXPECT_EQ(tail.shortest, std::make_pair(-1000.0, 95.0));
}

struct ToleranceCase
{
    double u;
    double delta;
};

TEST(NumericalTolerance, IsHalfAUnitOfUsSecondDigit)
{
    const ToleranceCase cases[] = {
        {0.0123, 0.0005}, {0.0996, 0.005}, {12.3, 0.5}, {1.0, 0.05}, {99.4, 0.5}, {0, 0},
    };
    for (const ToleranceCase &c : cases)
        EXPECT_EQ(numericalTolerance(c.u), c.delta) << "u = " << c.u;
}

struct AmountCase
{
    const char *text;
    std::optional<double> amount; // nothing: refused
    bool percent;
};

TEST(StatedUncertainty, ReadsValuesAndPercentOnly)
{
    const AmountCase cases[] = {
        {"12", 12, false},  {"3%", 3, true},      {" 0,005 ", 0.005, false}, {"0.2 %", 0.2, true},
        {"", 0, false},     {"abc", {}, false},   {"-1", {}, false},         {"1e3", {}, false},
        {"3%%", {}, false}, {"1,2,3", {}, false}, {"%", {}, false},          {"12 kg", {}, false},
    };
    for (const AmountCase &c : cases) {
        const auto stated = readStatedAmount(c.text);
        ASSERT_EQ(stated.has_value(), c.amount.has_value()) << '"' << c.text << '"';
        if (stated) {
            EXPECT_EQ(stated->amount, *c.amount) << c.text;
            EXPECT_EQ(stated->percent, c.percent) << c.text;
        }
    }
}

TEST(StatedUncertainty, NamesTheThreeDistributions)
{
    EXPECT_EQ(readDistribution("rect"), Distribution::Rectangular);
    EXPECT_EQ(readDistribution("Triangular"), Distribution::Triangular);
    EXPECT_EQ(readDistribution("NORMAL"), Distribution::Normal);
    EXPECT_EQ(readDistribution("gauss"), std::nullopt);
    EXPECT_STREQ(distributionName(Distribution::Rectangular), "rectangular");
}

TEST(StatedUncertainty, PercentIsOfTheEnteredValue)
{
    StatedUncertainties stated;
    stated[0] = {1, true, Distribution::Normal}; // rhoSE 1850 kg/m³
    stated[3] = {3, true, Distribution::Normal}; // ksiSE 6.2 %
    stated[1] = {0.005, false, Distribution::Normal};
    const InputUncertainties inputs = resolveUncertainties(InputValues{}, stated);
    EXPECT_EQ(inputs[0].u, 18.5);
    EXPECT_DOUBLE_EQ(inputs[3].u, 0.186);
    EXPECT_EQ(inputs[1].u, 0.005);
    EXPECT_EQ(inputs[2].u, 0);
}

} // namespace
