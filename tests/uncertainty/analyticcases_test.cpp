// Cases whose uncertainty is known in closed form. The default body (rhoSE 1850, ksiSE 6.2 %)
// with one uncertain input: XSE = Xanf − (1 − (1 − ksiSE)³)·1000/rhoAnf with
// rhoAnf = rhoSE·(1 − ksiSE)³ is linear in Xanf with slope 1, psiSE has slope rhoSE/1000 =
// 1.85 and psianf rhoSE·(1 − ksiSE)³/1000 = 1.5267932932; kappa2525 and kappaGrenz are
// proportional to kappaMess. The law of propagation is then exact, and Monte Carlo reproduces
// the input's distribution scaled: its 95 % interval is y ± f·u with f = 1.959964 (normal),
// 0.95·√3 = 1.6454483 (rectangular), √6·(1 − √0.05) = 1.9017672 (triangular).

#include "uncertaintyevaluation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>

using namespace quelbor;

namespace {

enum Input { rhoSE, Xanf, Xmess, ksiSE, kappaMess, thetaMess, KappaSteig };
enum Output { psianf, XSE, psiSE, psi25, kappa2525, kappaGrenz };

struct AnalyticCase
{
    const char *name;
    Input input;
    StatedUncertainty stated;
    Output output;
    double expectedU; // absolute, or relative to the estimate when `relative`
    bool relative;
    double halfWidthFactor;    // Monte Carlo's 95 % interval is estimate ± factor·u
    std::optional<bool> agree; // where the tolerance is wide enough for 10^5 trials to tell
};

constexpr double normal95 = 1.959964;
constexpr double rectangular95 = 1.6454483;
constexpr double triangular95 = 1.9017672;

const AnalyticCase analyticCases[] = {
    {"XseFromNormalXanf",
     Xanf,
     {0.001, false, Distribution::Normal},
     XSE,
     0.001,
     false,
     normal95,
     true},
    {"PsiSEFromNormalXanf",
     Xanf,
     {0.001, false, Distribution::Normal},
     psiSE,
     0.00185,
     false,
     normal95,
     {}},
    {"PsianfFromNormalXanf",
     Xanf,
     {0.001, false, Distribution::Normal},
     psianf,
     0.0015267932932,
     false,
     normal95,
     {}},
    // a rectangle of half-width a = 0.01 has u = a/√3; the normal's interval is too wide
    {"XseFromRectangularXanf",
     Xanf,
     {0.005773502691896258, false, Distribution::Rectangular},
     XSE,
     0.005773502691896258,
     false,
     rectangular95,
     false},
    {"XseFromTriangularXanf",
     Xanf,
     {0.004, false, Distribution::Triangular},
     XSE,
     0.004,
     false,
     triangular95,
     false},
    {"Kappa2525FromKappaMessInPercent",
     kappaMess,
     {3, true, Distribution::Normal},
     kappa2525,
     0.03,
     true,
     normal95,
     {}},
    {"KappaGrenzFromKappaMessInPercent",
     kappaMess,
     {3, true, Distribution::Normal},
     kappaGrenz,
     0.03,
     true,
     normal95,
     {}},
};

void PrintTo(const AnalyticCase &c, std::ostream *os)
{
    *os << c.name;
}

class AnalyticUncertainty : public testing::TestWithParam<AnalyticCase>
{
};

TEST_P(AnalyticUncertainty, BothMethodsGiveTheClosedForm)
{
    const AnalyticCase &c = GetParam();
    StatedUncertainties stated;
    stated[c.input] = c.stated;
    constexpr long trials = 100000;
    const UncertaintyEvaluation e = evaluateUncertainty(InputValues{}, stated, {true, trials, 1});
    const OutputUncertainty &o = e.outputs[c.output];
    const double y = o.gum.estimate;
    const double u = c.relative ? c.expectedU * y : c.expectedU;

    ASSERT_FALSE(o.gum.error);
    EXPECT_NEAR(o.gum.u, u, 1e-8 * u);
    EXPECT_NEAR(o.gum.U, 2 * u, 2e-8 * u);
    EXPECT_NEAR(o.gum.budget[c.input], 1, 1e-12);

    ASSERT_TRUE(o.monteCarlo);
    EXPECT_EQ(e.monteCarlo->failed, 0);
    // standard errors at 10^5 trials: mean u/316, standard deviation under 0.5 % of u, the
    // interval's ends under 1 % of u
    EXPECT_NEAR(o.monteCarlo->mean, y, 5 * u / std::sqrt(double(trials)));
    EXPECT_NEAR(o.monteCarlo->u, u, 0.02 * u);
    EXPECT_NEAR(o.monteCarlo->intervals.symmetric.first, y - c.halfWidthFactor * u, 0.03 * u);
    EXPECT_NEAR(o.monteCarlo->intervals.symmetric.second, y + c.halfWidthFactor * u, 0.03 * u);
    ASSERT_TRUE(o.validation);
    if (c.agree) {
        EXPECT_EQ(o.validation->agree, *c.agree);
    }
}

INSTANTIATE_TEST_SUITE_P(DefaultBody, AnalyticUncertainty, testing::ValuesIn(analyticCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Where the cube root of the measurement state's dry space fails: Xanf above
// (1 + Xmess·rhoAnf/1000) / (rhoSE·(1 − ksiSE)³/1000) = 0.8399675 (Xmess as its float). With
// Xanf = 0.83 ± 0.01 (normal) a trial fails with probability P(Z > 0.99675) = 0.1594.
TEST(FaultNearby, TrialsBeyondTheCubeRootAreCountedByTheirError)
{
    InputValues body;
    body.Xanf = 0.83;
    StatedUncertainties stated;
    stated[Xanf] = {0.01, false, Distribution::Normal};
    constexpr long trials = 20000;
    const UncertaintyEvaluation e = evaluateUncertainty(body, stated, {true, trials, 5});
    ASSERT_TRUE(e.monteCarlo);
    EXPECT_EQ(e.monteCarlo->trials, trials);
    // ±5 standard errors of a fraction 0.1594 at 20 000 trials (0.0026)
    EXPECT_NEAR(double(e.monteCarlo->failed) / trials, 0.1594, 0.013);
    ASSERT_EQ(e.monteCarlo->failures.size(), 1U);
    EXPECT_EQ(e.monteCarlo->failures.begin()->first, ErrorKind::InvalidArgument);
    EXPECT_EQ(e.monteCarlo->failures.begin()->second, e.monteCarlo->failed);
    // Only the trials below the edge count: XSE (slope 1 in Xanf) has the mean of a normal cut
    // at α = 0.99675 standard deviations, lower by u·φ(α)/Φ(α) = 0.002888 (standard error
    // about 0.00006).
    ASSERT_TRUE(e.outputs[XSE].monteCarlo);
    EXPECT_NEAR(e.outputs[XSE].monteCarlo->mean, e.outputs[XSE].gum.estimate - 0.002888, 0.0003);
}

// Xanf = 0.839966 lies 1.5e-6 below that edge, its derivative step (2^-10 = 9.8e-4) beyond it:
// the results reached before the cube root keep their law of propagation, the later ones
// report the fault instead.
TEST(FaultNearby, DerivativeAcrossTheFaultLeavesTheLaterResultsUnavailable)
{
    InputValues body;
    body.Xanf = 0.839966;
    StatedUncertainties stated;
    stated[Xanf] = {0.001, false, Distribution::Normal};
    const UncertaintyEvaluation e = evaluateUncertainty(body, stated, {false, 0, 0});
    for (const Output out : {psianf, XSE, psiSE}) {
        EXPECT_FALSE(e.outputs[out].gum.error) << out;
        EXPECT_GT(e.outputs[out].gum.u, 0) << out;
    }
    for (const Output out : {psi25, kappa2525, kappaGrenz})
        EXPECT_EQ(e.outputs[out].gum.error, ErrorKind::InvalidArgument) << out;
    EXPECT_FALSE(e.monteCarlo);
}

TEST(FaultNearby, AnEstimateThatFaultsThrowsItsError)
{
    InputValues body;
    body.ksiSE = 100;
    StatedUncertainties stated;
    stated[ksiSE] = {1, false, Distribution::Normal};
    try {
        evaluateUncertainty(body, stated, {false, 0, 0});
        ADD_FAILURE() << "no error";
    } catch (const CalculationError &error) {
        EXPECT_EQ(error.number(), 11);
    }
}

} // namespace

namespace {

// The model rounds rhoMess to single precision (quantum 1.2e-4 at 1695 kg/m³), and every
// diffusivity passes through it: a derivative step that moves rhoMess by too little against
// that quantum gives a derivative off by up to 1 %. kappaGrenz by Xmess must match a wide
// secant, ±2^-10 about the float the model holds (rounding of rhoMess 1e-5 of it, truncation
// 5e-5: kappaGrenz is curved in Xmess).
TEST(SinglePrecisionInput, DerivativeOfXmessMatchesAWideSecant)
{
    StatedUncertainties stated;
    stated[Xmess] = {0.001, false, Distribution::Normal};
    const UncertaintyEvaluation e = evaluateUncertainty(InputValues{}, stated, {false, 0, 0});
    constexpr double h = 0x1.0p-10;
    InputValues up;
    InputValues down;
    up.Xmess = static_cast<float>(up.Xmess) + h;
    down.Xmess = static_cast<float>(down.Xmess) - h;
    OutputValues above{};
    OutputValues below{};
    ASSERT_FALSE(computeOutputs(up, above));
    ASSERT_FALSE(computeOutputs(down, below));
    const double secant = (above[kappaGrenz] - below[kappaGrenz]) / (2 * h);
    EXPECT_NEAR(e.outputs[kappaGrenz].gum.sensitivity[Xmess], secant, 2e-4 * std::fabs(secant));
}

} // namespace
