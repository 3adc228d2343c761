// The uncertainty as quelbor-calc reports it: the shape of the "uncertainty" object a script
// reads, failed trials by their error, no object where the body itself fails, and the
// uncertainty columns of a batch. The figures checked are closed forms of the default body:
// XSE = Xanf − const (slope 1), psiSE slope rhoSE/1000 = 1.85 in Xanf.

#include "batchrun.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

using namespace quelbor;
using nlohmann::json;

namespace {

struct ToolOutcome
{
    json output;
    int status;
};

ToolOutcome runTool(const std::string &arguments)
{
    const std::string command = std::string("LC_ALL=C '") + QUELBOR_CALC + "' " + arguments;
    FILE *pipe = popen(command.c_str(), "r");
    std::string text;
    char buffer[4096];
    for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    const int status = pipe ? pclose(pipe) : -1;
    return {json::parse(text, nullptr, false), WEXITSTATUS(status)};
}

const char *const resultNames[] = {"psianf", "XSE", "psiSE", "psi25", "kappa2525", "kappaGrenz"};

TEST(UncertaintyOutput, HasTheDocumentedShape)
{
    const ToolOutcome run = runTool("--u-Xanf=0.005 --u-ksiSE=3% --dist-ksiSE=rect "
                                    "--trials 1000 --seed 42");
    ASSERT_EQ(run.status, 0);
    ASSERT_TRUE(run.output.contains("uncertainty")) << run.output.dump(1);
    const json &u = run.output["uncertainty"];

    EXPECT_EQ(u["trials"], 1000);
    EXPECT_EQ(u["seed"], 42);
    EXPECT_EQ(u["failedTrials"], json::parse(R"({"count": 0, "errors": {}})"));
    EXPECT_EQ(u["inputs"].size(), 7U);
    EXPECT_EQ(u["inputs"]["ksiSE"]["distribution"], "rectangular");
    EXPECT_DOUBLE_EQ(u["inputs"]["ksiSE"]["u"].get<double>(), 0.186); // 3 % of 6.2
    EXPECT_EQ(u["inputs"]["rhoSE"], json::parse(R"({"value": 1850, "u": 0, "distribution":
                                                   "normal"})"));

    ASSERT_EQ(u["results"].size(), 6U);
    for (const char *name : resultNames) {
        const json &r = u["results"][name];
        const json &gum = r["gum"];
        EXPECT_EQ(gum["k"], 2) << name;
        EXPECT_DOUBLE_EQ(gum["U"].get<double>(), 2 * gum["u"].get<double>()) << name;
        EXPECT_EQ(gum["sensitivity"].size(), 2U) << name; // the uncertain inputs only
        EXPECT_NEAR(gum["budget"]["Xanf"].get<double>() + gum["budget"]["ksiSE"].get<double>(), 1,
                    1e-12)
            << name;
        const json &mc = r["monteCarlo"];
        EXPECT_TRUE(mc["mean"].is_number() && mc["u"].is_number()) << name;
        ASSERT_EQ(mc["interval95"].size(), 2U) << name;
        ASSERT_EQ(mc["shortest95"].size(), 2U) << name;
        EXPECT_LT(mc["interval95"][0].get<double>(), mc["interval95"][1].get<double>()) << name;
        EXPECT_TRUE(r["agree"].is_boolean()) << name;
        EXPECT_EQ(r.contains("note"), !r["agree"].get<bool>()) << name;
    }
    EXPECT_NEAR(u["results"]["XSE"]["gum"]["sensitivity"]["Xanf"].get<double>(), 1, 1e-9);
}

// Xanf = 0.83 ± 0.01 crosses the cube root's fault at 0.83997 in about 16 % of the trials.
TEST(UncertaintyOutput, CountsFailedTrialsByTheirErrorNumber)
{
    const ToolOutcome run = runTool("--Xanf=0,83 --u-Xanf=0,01 --trials 2000");
    ASSERT_EQ(run.status, 0);
    const json &failed = run.output["uncertainty"]["failedTrials"];
    EXPECT_GT(failed["count"].get<int>(), 200);
    EXPECT_LT(failed["count"].get<int>(), 440);
    EXPECT_EQ(failed["errors"].size(), 1U);
    EXPECT_EQ(failed["errors"]["5"]["count"], failed["count"]);
    EXPECT_EQ(failed["errors"]["5"]["text"], "Ungültiger Prozeduraufruf oder ungültiges Argument");
}

TEST(UncertaintyOutput, ABodyThatFailsGetsItsErrorAndNoUncertainty)
{
    const ToolOutcome run = runTool("--Xanf=1 --u-Xanf=0.01 --trials 100");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output["error"]["number"], 5);
    EXPECT_FALSE(run.output.contains("uncertainty"));
}

// cppcheck-suppress passedByValue ; fmemopen reads the copy, which it may not change
std::string batchOutput(std::string table, const BatchRequest &request)
{
    std::FILE *input = fmemopen(table.data(), table.size(), "r");
    char *output = nullptr;
    std::size_t size = 0;
    std::FILE *out = open_memstream(&output, &size);
    std::FILE *messages = std::fopen("/dev/null", "w");
    EXPECT_EQ(runBatch(request, ",", {input, out, messages}), 0);
    std::fclose(input);
    std::fclose(out);
    std::fclose(messages);
    std::string text(output, size);
    std::free(output);
    return text;
}

// A cell of the output as the number it reads back to (decimal comma).
std::vector<std::string> cellsOf(const std::string &line)
{
    std::vector<std::string> cells;
    for (std::size_t start = 0, end; (end = line.find_first_of(";\n", start)) != std::string::npos;
         start = end + 1)
        cells.push_back(line.substr(start, end - start));
    return cells;
}

double cellNumber(std::string cell)
{
    std::replace(cell.begin(), cell.end(), ',', '.');
    return std::stod(cell);
}

TEST(UncertaintyOutput, BatchRowWithUncertaintyColumnsGetsGumColumns)
{
    BatchRequest request;
    request.input = "-";
    const std::string out = batchOutput("Probe;rhoSE;Xanf;u_Xanf;dist_Xanf;Xmess;ksiSE;kappaMess;"
                                        "thetaMess;KappaSteig\n"
                                        "A;1850;0,25;0,01;rect;0,185;6,2;45;20,5;7\n",
                                        request);
    const std::size_t lineEnd = out.find('\n');
    const std::string header = out.substr(0, lineEnd);
    EXPECT_EQ(header.substr(header.find("txt_kappaGrenz;")),
              "txt_kappaGrenz;u_txt_psianf;U_txt_psianf;u_txt_XSE;U_txt_XSE;u_txt_psiSE;"
              "U_txt_psiSE;u_txt_psi25;U_txt_psi25;u_txt_kappa2525;U_txt_kappa2525;"
              "u_txt_kappaGrenz;U_txt_kappaGrenz;error");
    const std::string row = out.substr(lineEnd + 1);
    const std::vector<std::string> cells = cellsOf(row);
    ASSERT_EQ(cells.size(), 29U) << row;
    EXPECT_EQ(cells.front(), "A");
    EXPECT_NEAR(cellNumber(cells[18]), 0.01, 1e-11);   // u_txt_XSE
    EXPECT_NEAR(cellNumber(cells[19]), 0.02, 2e-11);   // U_txt_XSE
    EXPECT_NEAR(cellNumber(cells[20]), 0.0185, 1e-11); // u_txt_psiSE
    EXPECT_EQ(cells.back(), "");                       // no error
}

// Options alone ask for the columns; --trials adds Monte Carlo's.
TEST(UncertaintyOutput, BatchOptionsWithTrialsAddMonteCarloColumns)
{
    BatchRequest request;
    request.input = "-";
    request.uncertainty.stated[1] = {0.01, false, Distribution::Normal}; // Xanf
    request.uncertainty.optionGiven = true;
    request.uncertainty.trials = 400;
    const std::string out = batchOutput("rhoSE;Xanf\n1850;0,25\n", request);
    const std::vector<std::string> header = cellsOf(out.substr(0, out.find('\n') + 1));
    const std::vector<std::string> row = cellsOf(out.substr(out.find('\n') + 1));
    ASSERT_EQ(header.size(), row.size());
    const auto column = [&](const std::string &name) {
        const auto found = std::find(header.begin(), header.end(), name);
        EXPECT_NE(found, header.end()) << name;
        return row.at(static_cast<std::size_t>(found - header.begin()));
    };
    EXPECT_NEAR(cellNumber(column("u_txt_XSE")), 0.01, 1e-11);
    // 400 trials: the standard deviation within 15 % (its standard error is 3.5 %)
    EXPECT_NEAR(cellNumber(column("mc_u_txt_XSE")), 0.01, 0.0015);
    EXPECT_LT(cellNumber(column("mc_low95_txt_XSE")), cellNumber(column("mc_high95_txt_XSE")));
    EXPECT_EQ(column("mc_failed_trials"), "0");
}

} // namespace
