#include "calculationerror.h"
#include "parsedecimal.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <string>

namespace {

// The inputs write a tab and a line feed as the escapes \t and \n.
std::string unescaped(const std::string &text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 't' || text[i + 1] == 'n')) {
            result.push_back(text[i + 1] == 't' ? '\t' : '\n');
            ++i;
        } else {
            result.push_back(text[i]);
        }
    }
    return result;
}

TEST(DecimalCases, EveryExternalTextGivesItsDouble)
{
    std::ifstream file(QUELBOR_DECIMAL_CASES);
    ASSERT_TRUE(file) << QUELBOR_DECIMAL_CASES;

    int lines = 0;
    std::string line;
    while (std::getline(file, line)) {
        ++lines;
        const std::size_t tab = line.rfind('\t');
        ASSERT_NE(tab, std::string::npos) << "line " << lines;
        const std::string input = unescaped(line.substr(0, tab));
        const std::string expected = line.substr(tab + 1);

        if (expected == "OVERFLOW") {
            EXPECT_THROW(quelbor::ParseDecimal(input), quelbor::CalculationError)
                << "line " << lines << ": " << input;
            continue;
        }
        double want = 0;
        std::from_chars(expected.data(), expected.data() + expected.size(), want);
        double got = 0;
        EXPECT_NO_THROW(got = quelbor::ParseDecimal(input)) << "line " << lines;
        EXPECT_EQ(got, want) << "line " << lines << ": " << input;
        EXPECT_EQ(std::signbit(got), std::signbit(want)) << "line " << lines << ": " << input;
    }
    EXPECT_EQ(lines, 3232);
}

} // namespace
