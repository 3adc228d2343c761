#include "calculationerror.h"
#include "expectations.h"
#include "resultformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct FormatCase
{
    const char *name;
    double value;
    int decimals;
    const char *separator;
    const char *expected;
};

const FormatCase formatCases[] = {
    {"volumetricContent", 0.38169812, 3, ",", "0,382"},
    {"limitLoading", 0.1355733, 3, ",", "0,136"},
    {"englishSeparator", 0.38169812, 3, ".", "0.382"},
    {"diffusivity", 74.1868, 1, ",", "74,2"},
    {"limitDiffusivity", 32.031438, 1, ",", "32,0"},
    {"halfAwayFromZeroOnFifteenDigits", 1.0005, 3, ",", "1,001"},
    {"halfAwayFromZeroNegative", -0.25, 1, ",", "-0,3"},
    {"halfUp", 0.25, 1, ",", "0,3"},
    {"carryIntoNewDigit", 9.9996, 3, ",", "10,000"},
    {"noGrouping", 1234.56, 1, ",", "1234,6"},
    {"zero", 0, 3, ",", "0,000"},
    {"tinyRoundsToZero", 0.0004, 3, ",", "0,000"},
    {"halfOfTheLastDecimalRoundsUp", 0.0005, 3, ",", "0,001"},
    {"justBelowHalfOfTheLastDecimal", 0.00049999999999999, 3, ",", "0,000"},
    // 0.1234999999999999|4: the 15 digits read end in 5, a 16th would round down
    {"sixteenthDigitIsNotRead", 0.12349999999999994, 3, ",", "0,124"},
    {"negative", -3.14159, 3, ",", "-3,142"},
    {"large", 1e20, 1, ",", "100000000000000000000,0"},
    {"hugeNoExponent", 1.5e30, 1, ",", "1500000000000000000000000000000,0"},
};

class FormatResultTest : public testing::TestWithParam<FormatCase>
{
};

TEST_P(FormatResultTest, WritesTheNumberPattern)
{
    const FormatCase &c = GetParam();
    EXPECT_EQ(quelbor::formatResult(c.value, c.decimals, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatResultTest, testing::ValuesIn(formatCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

namespace {

TEST(FormatResult, ValueBeyondTheDoubleRangeIsAnOverflow)
{
    for (double value : {HUGE_VAL, -HUGE_VAL, std::nan("")}) {
        EXPECT_EQ(quelbor::test::faultOf([value] { quelbor::formatResult(value, 1, ","); }),
                  quelbor::ErrorKind::Overflow)
            << value;
    }
}

} // namespace
