#include "calcreport.h"
#include "windowcalculation.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

#include <charconv>
#include <string>

using namespace quelbor;

namespace {

// The number written after "key": in a JSON text.
double numberAfter(const std::string &json, const std::string &key)
{
    const std::size_t at = json.find("\"" + key + "\": ");
    EXPECT_NE(at, std::string::npos) << key;
    double value = 0;
    std::from_chars(json.data() + at + key.size() + 4, json.data() + json.size(), value);
    return value;
}

bool contains(const std::string &json, const std::string &text)
{
    return json.find(text) != std::string::npos;
}

TEST(CalcReport, DefaultsPrintTheWorkedExample)
{
    const CalcOutcome outcome = runCalculation({});
    EXPECT_EQ(outcome.exitStatus, 0);
    const std::string &json = outcome.json;
    for (const char *shown :
         {R"("txt_psianf": "0,382")", R"("txt_XSE": "0,136")", R"("txt_psiSE": "0,251")",
          R"("txt_psi25": "0,382")", R"("txt_kappa2525": "74,2")", R"("txt_kappaGrenz": "32,0")"})
        EXPECT_TRUE(contains(json, shown)) << shown;
    const std::string model = json.substr(json.find("\"model\""));
    EXPECT_EQ(numberAfter(model, "rhoMess"), 1695.008544921875);
    EXPECT_EQ(numberAfter(model, "Xmess"), static_cast<double>(0.185f));
    EXPECT_NEAR(numberAfter(model, "kappaGrenz"), 3.2031438e-08, 0.5e-15);
    EXPECT_EQ(numberAfter(json, "XlastPlotted"), 0.6);
    EXPECT_FALSE(contains(json, "\"error\""));
}

TEST(CalcReport, ErrorIsReportedWithTheFieldsAsTheyStand)
{
    ReportRequest request;
    request.texts.Xanf = "1";
    const CalcOutcome outcome = runCalculation(request);
    EXPECT_EQ(outcome.exitStatus, 1);
    const std::string &json = outcome.json;
    EXPECT_TRUE(contains(json, "\"kind\": \"invalid-argument\"")) << json;
    EXPECT_TRUE(contains(json, "\"number\": 5"));
    EXPECT_TRUE(contains(json, "\"text\": \"Ungültiger Prozeduraufruf oder ungültiges Argument\""));
    EXPECT_GT(numberAfter(json, "psianf"), 1) << "computed before the fault";
    EXPECT_EQ(numberAfter(json, "ksiMess"), 0) << "the faulting step is not stored";
    EXPECT_FALSE(contains(json, "\"results\"")) << "no result is written after a fault";
}

TEST(CalcReport, TextsWithQuotesStayValidJson)
{
    ReportRequest request;
    request.texts.ksiSE = "6,2\"\\\n";
    request.texts.thetaMess = "20,5\xff\xc3";
    const auto json = nlohmann::json::parse(runCalculation(request).json);
    EXPECT_EQ(json.at("inputs").at("ksiSE"), "6,2\"\\\n");
    EXPECT_EQ(json.at("inputs").at("thetaMess"), "20,5\uFFFD\uFFFD") << "not UTF-8";
}

} // namespace

namespace {

std::size_t count(const std::string &json, const std::string &text)
{
    std::size_t n = 0;
    for (std::size_t at = json.find(text); at != std::string::npos; at = json.find(text, at + 1))
        ++n;
    return n;
}

TEST(ChartReport, DefaultsReportLabelsAndEveryLine)
{
    ReportRequest request;
    request.charts = true;
    const std::string json = runCalculation(request).json;
    const auto labels = nlohmann::json::parse(json).at("labels");
    EXPECT_EQ(labels.at("lbl_n1"), nlohmann::json::parse(R"({"left": 9080.5, "visible": true})"));
    EXPECT_EQ(labels.at("lbl_n6"),
              nlohmann::json::parse(R"({"left": 13736.486328125, "visible": true})"));
    EXPECT_EQ(labels.at("lbl_n8"), nlohmann::json::parse(R"({"left": 6990, "visible": false})"));

    const auto kappa = nlohmann::json::parse(json).at("surfaces").at("pic_kappa");
    // 29 + 19 grid lines, 6 marks, 3 markers, 34 segments, 3 lines below the limit
    EXPECT_EQ(count(json.substr(0, json.find("\"pic_Schwindung\"")), R"("op": "line")"), 94u);
    EXPECT_EQ(std::count(kappa.begin(), kappa.end(),
                         nlohmann::json::parse(R"({"op": "line", "x1": 1850, "y1": 0, "x2": 1850,
                                                  "y2": 6000, "rgb": [0, 0, 255], "width": 2})")),
              1)
        << "the mark of the loading 0.1";
    EXPECT_EQ(count(json.substr(json.find("\"pic_Schwindung\"")), R"("op": "line")"), 73u);
}

TEST(ChartReport, FaultPartWayKeepsWhatWasDrawn)
{
    ReportRequest request;
    request.charts = true;
    request.texts.kappaMess = "0";
    const CalcOutcome outcome = runCalculation(request);
    EXPECT_EQ(outcome.exitStatus, 1);
    const std::string &json = outcome.json;
    EXPECT_TRUE(contains(json, R"("kind": "invalid-argument")"));
    // grid, marks and markers, then the logarithm of a zero diffusivity ends the calculation
    EXPECT_EQ(count(json, R"("op": "line")"), 48u + 6u + 3u);
    EXPECT_TRUE(contains(json, R"("pic_Schwindung": [])"));
}

} // namespace

namespace {

TEST(CalcReport, ResultsWrittenBeforeAnOverflowingOneStay)
{
    ReportRequest request;
    request.texts.kappaMess = "17" + std::string(307, '0');
    const CalcOutcome outcome = runCalculation(request);
    EXPECT_EQ(outcome.exitStatus, 1);
    EXPECT_TRUE(contains(outcome.json, R"("txt_psi25": "0,382")"));
    EXPECT_FALSE(contains(outcome.json, "txt_kappa2525"));
    EXPECT_TRUE(contains(outcome.json, R"("kind": "overflow")"));
}

} // namespace

namespace {

// The shrinkage chart refreshes the window as its last step, which a fault skips.
TEST(WindowCalculation, RefreshesTheWindowOnlyAfterAWholePress)
{
    WindowCalculation calculation;
    EXPECT_EQ(calculation.press({}).windowRefreshes, 1);
    EXPECT_EQ(calculation.press({.kappaMess = "0"}).windowRefreshes, 0);
}

} // namespace
