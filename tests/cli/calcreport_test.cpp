#include "calcreport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace quelbor;

namespace {

// The number written after "key": in a JSON text.
double numberAfter(const std::string &json, const std::string &key)
{
    const std::size_t at = json.find("\"" + key + "\": ");
    EXPECT_NE(at, std::string::npos) << key;
    return std::strtod(json.c_str() + at + key.size() + 4, nullptr);
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
    CalcRequest request;
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
    CalcRequest request;
    request.texts.ksiSE = "6,2\"\\\n";
    const CalcOutcome outcome = runCalculation(request);
    EXPECT_TRUE(contains(outcome.json, "\"ksiSE\": \"6,2\\\"\\\\\\n\""));
}

} // namespace
