// quelbor-calc's whole report for a few bodies, as a script reading it sees it: every field, and
// with --charts every label and every operation on both charts. The expected reports were made
// once by the tool and checked against figures worked out independently from the formulas and
// the drawing steps; they are compared as JSON values, so layout and number spelling are free.

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <ostream>
#include <string>
#include <sys/wait.h>

namespace {

struct ReportCase
{
    const char *name;
    const char *arguments;
    const char *expected; // file in tests/cli/data
    int exitStatus;
};

const ReportCase reportCases[] = {
    {"DefaultsWithCharts", "--charts", "defaults-charts.json", 0},
    {"InitialLoadingOfThirtyPercent", "--Xanf=0,30", "initial-loading-30.json", 0},
    // fails at the cube root of a negative base: the fields from there on stay 0
    {"InitialLoadingOfOne", "--Xanf=1", "initial-loading-one.json", 1},
    // a light body reaches every label; the logarithm of a zero diffusivity ends the drawing
    // after the state markers, before anything is drawn on the shrinkage chart
    {"ZeroDiffusivityWithCharts", "--charts --kappaMess=0 --rhoSE=1500",
     "zero-diffusivity-charts.json", 1},
};

// Names the row in test names and failure messages instead of dumping its bytes.
void PrintTo(const ReportCase &c, std::ostream *os)
{
    *os << c.name;
}

class WholeReport : public testing::TestWithParam<ReportCase>
{
};

TEST_P(WholeReport, EveryFieldAsExpected)
{
    const ReportCase &c = GetParam();
    // the C locale's decimal point in the results
    const std::string command = std::string("LC_ALL=C '") + QUELBOR_CALC + "' " + c.arguments;
    FILE *pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = pclose(pipe);
    EXPECT_EQ(WEXITSTATUS(status), c.exitStatus);

    std::ifstream file(std::string(QUELBOR_REPORTS) + "/" + c.expected);
    ASSERT_TRUE(file) << c.expected;
    const nlohmann::json expected = nlohmann::json::parse(file);
    const nlohmann::json actual = nlohmann::json::parse(output, nullptr, false);
    ASSERT_FALSE(actual.is_discarded()) << "not JSON:\n" << output;
    EXPECT_EQ(actual, expected) << "differences:\n"
                                << nlohmann::json::diff(expected, actual).dump(1);
}

INSTANTIATE_TEST_SUITE_P(Bodies, WholeReport, testing::ValuesIn(reportCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
