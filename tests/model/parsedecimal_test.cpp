#include "calculationerror.h"
#include "expectations.h"
#include "parsedecimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using quelbor::CalculationError;
using quelbor::ErrorKind;
using quelbor::ParseDecimal;

namespace {

struct ParseCase
{
    const char *name;
    std::string text;
    double expected;
};

const ParseCase parseCases[] = {
    {"commaShrinkage", "6,2", 6.2},
    {"commaLoading", "0,185", 0.185},
    {"integerDensity", "1850", 1850},
    {"integerSlope", "7", 7},
    {"pointEndsAtSecondSeparator", "1.850", 1.85},
    {"commaExponent", "1,5e3", 1500},
    {"empty", "", 0},
    {"letters", "abc", 0},
    {"trailingLetters", "12abc", 12},
    {"negativeComma", "-3,5", -3.5},
    {"blanksAnywhere", " 0, 25 ", 0.25},
    {"blankInsideDigits", "1 850", 1850},
    {"tabsAndLineFeeds", "\t1\n8\t5 0\n", 1850},
    {"threeCommaGroups", "1,2,3", 1.2},
    {"thousandsAndDecimal", "1.850,5", 1.85},
    {"leadingPoint", ".5", 0.5},
    {"leadingComma", ",5", 0.5},
    {"plusSign", "+7", 7},
    {"signOnly", "-", 0},
    {"pointOnly", ".", 0},
    {"exponentWithoutDigits", "4e", 4},
    {"exponentSignWithoutDigits", "4e+", 4},
    {"upperCaseExponent", "2E-3", 0.002},
    {"carriageReturnEndsNumber", "12\r3", 12},
    {"secondSignEndsNumber", "5-3", 5},
    {"nonAsciiEndsNumber",
     "20\xc2\xb0"
     "C",
     20},
    {"hexPrefixIsNotANumber", "&H10", 0},
    {"tinyUnderflowsToZero", "1e-400", 0},
    {"subnormal", "4,9e-324", 4.9406564584124654e-324},
    {"largestFinite", "1,7976931348623157e308", 1.7976931348623157e308},
};

class ParseDecimalTest : public testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseDecimalTest, ReadsTheNumberAtTheStart)
{
    const ParseCase &c = GetParam();
    EXPECT_EQ(ParseDecimal(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseDecimalTest, testing::ValuesIn(parseCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ParseDecimal, NegativeZeroKeepsItsSign)
{
    EXPECT_TRUE(std::signbit(ParseDecimal("-0")));
    EXPECT_TRUE(std::signbit(ParseDecimal("-1e-999")));
}

TEST(ParseDecimal, ValuesBeyondTheDoubleRangeOverflow)
{
    for (const char *text : {"1e400", "-1e309", "1,8e308", "9e99999999999999999999"}) {
        EXPECT_EQ(quelbor::test::faultOf([text] { ParseDecimal(text); }), ErrorKind::Overflow)
            << text;
    }
}

TEST(ParseDecimal, LongDigitStringsReadExactly)
{
    const std::string digits(100000, '7');
    EXPECT_EQ(ParseDecimal("0," + digits), 0.77777777777777779);
    EXPECT_THROW(ParseDecimal(digits), CalculationError);
}

} // namespace
