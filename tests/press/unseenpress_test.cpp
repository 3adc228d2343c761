// A batch row skips the charts where they cannot fail. Whatever the body, it must report what
// the window's press reports: the result texts, every model value, the water-loading table when
// asked for, and the error.

#include "calculationjson.h"
#include "calculationrecord.h"
#include "windowcalculation.h"

#include <gtest/gtest.h>

#include <charconv>
#include <random>
#include <string>

using namespace quelbor;

namespace {

std::string report(const InputTexts &texts, const WindowCalculation &calculation,
                   const std::vector<std::string> &results, std::optional<ErrorKind> error,
                   bool withLoadingScale)
{
    Json json = calculationJson(texts, calculation, results);
    if (!withLoadingScale) {
        json.erase("psiMarks");
        json.erase("XlastPlotted");
    }
    if (error)
        addError(json, *error);
    return jsonText(json, -1);
}

std::string windowReport(const InputTexts &texts, bool withLoadingScale)
{
    WindowCalculation window;
    const CalculationRecord record = window.press(texts);
    return report(texts, window, record.results, record.error, withLoadingScale);
}

struct Unseen
{
    std::string report;
    bool chartsSkipped; // the loading table stayed empty though the press finished
};

Unseen unseenReport(const InputTexts &texts, bool withLoadingScale)
{
    WindowCalculation batch;
    std::vector<std::string> results;
    const auto error = batch.pressUnseen(texts, results, withLoadingScale);
    return {report(texts, batch, results, error, withLoadingScale),
            !error && batch.scale().XlastPlotted == 0};
}

void expectWindowReport(const InputTexts &texts)
{
    for (const bool withLoadingScale : {true, false})
        EXPECT_EQ(unseenReport(texts, withLoadingScale).report,
                  windowReport(texts, withLoadingScale))
            << "with the loading table: " << withLoadingScale;
}

struct Body
{
    const char *name;
    InputTexts texts;
    bool chartsSkipped;
};

// Names the row in failure messages instead of dumping its bytes.
void PrintTo(const Body &body, std::ostream *os)
{
    *os << body.name;
}

const Body bodies[] = {
    {"Defaults", {}, true},
    {"LabBody", {"2050", "0,31", "0,13", "8,5", "12,5", "39", "6,5"}, true},
    {"ChartsEndAtTheLogarithmOfZero", {.kappaMess = "0"}, false},
    {"ChartsEndAtASlopeBeyondSinglePrecision", {.KappaSteig = "3e38"}, false},
    {"ChartsEndAtANegativeCubeRoot", {.rhoSE = "-10000", .Xanf = "0,2"}, false},
    {"ChartsEndAtACubeRootOfANegativeDryMass", {.rhoSE = "-1800", .Xanf = "-0,17"}, false},
    {"ChartsEndAtAMarkBeyondSinglePrecision",
     {.rhoSE = "-1e40", .Xanf = "0,3", .Xmess = "0,2", .ksiSE = "0"},
     false},
    {"ChartsEndAtAMarkerBeyondSinglePrecision",
     {.rhoSE = "1e40", .Xanf = "0,2", .Xmess = "0,3", .ksiSE = "0"},
     false},
    {"ChartsEndAtAShrinkageBeyondSinglePrecision", {.Xanf = "-0,3", .ksiSE = "-5e37"}, false},
    {"ChartsFinishWithATinyWaterContent", {.Xanf = "0,05"}, false},
    {"CharacteristicsEndBeforeTheCharts", {.Xanf = "1"}, false},
};

class UnseenPress : public ::testing::TestWithParam<Body>
{
};

TEST_P(UnseenPress, AsTheWindow)
{
    const Body &body = GetParam();
    expectWindowReport(body.texts);
    EXPECT_EQ(unseenReport(body.texts, false).chartsSkipped, body.chartsSkipped);
}

INSTANTIATE_TEST_SUITE_P(Bodies, UnseenPress, ::testing::ValuesIn(bodies),
                         [](const auto &info) { return std::string(info.param.name); });

// Bodies from a lab's ranges, each input replaced now and then by a wild value (any magnitude,
// either sign, zero, or the lab value scaled): both ways of the press, and many bodies at the
// edges of the charts' faults.
TEST(UnseenPress, GeneratedBodiesReportWhatTheWindowReports)
{
    struct Range
    {
        double low, high;
    };
    constexpr Range labRanges[] = {{1600, 2100}, {0.18, 0.32}, {0.12, 0.24}, {3, 9},
                                   {10, 90},     {18, 40},     {6, 10}};
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> unit(0, 1);
    int skipped = 0;
    int failed = 0;
    constexpr int count = 3000;
    for (int body = 0; body < count; ++body) {
        InputTexts texts;
        std::string *fields[] = {&texts.rhoSE,     &texts.Xanf,      &texts.Xmess,     &texts.ksiSE,
                                 &texts.kappaMess, &texts.thetaMess, &texts.KappaSteig};
        for (std::size_t input = 0; input < std::size(fields); ++input) {
            const Range lab = labRanges[input];
            double value = lab.low + (lab.high - lab.low) * unit(random);
            switch (random() % 6) {
            case 0:
                value = std::pow(10.0, -40 + 80 * unit(random)) * (random() % 2 ? 1 : -1);
                break;
            case 1:
                value *= random() % 4 == 0 ? 0 : -3 + 8 * unit(random);
                break;
            default:
                break;
            }
            char text[32];
            *fields[input] = std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
        }
        const Unseen unseen = unseenReport(texts, false);
        ASSERT_EQ(unseen.report, windowReport(texts, false)) << texts.rhoSE << " " << texts.Xanf;
        ASSERT_EQ(unseenReport(texts, true).report, windowReport(texts, true));
        skipped += unseen.chartsSkipped;
        failed += unseen.report.find("\"error\"") != std::string::npos;
    }
    EXPECT_GT(skipped, count / 10);
    EXPECT_GT(failed, count / 10);
    EXPECT_GT(count - skipped - failed, count / 100) << "bodies whose charts run and finish";
}

} // namespace
