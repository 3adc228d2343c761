// The diffusivity curve's 95 % band in cases known in closed form, on the default body
// (psiSE = 0.2508). The whole curve is proportional to kappaMess: with kappaMess ± 3 % (normal)
// the band is kappa·(1 ± 1.959964·0.03) at every point. KappaSteig shapes only the lines below
// the shrinkage end, log10 kappa = log10 kappaGrenz + KappaSteig·(psi − psiSE): with
// KappaSteig ± 0.5 (rectangular, 95 % within ±1.6454483·u) the band is
// kappa·10^(±1.6454483·0.5·(psiSE − psi)) below psiSE and the curve itself above it.

#include "curveband.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quelbor;

namespace {

enum Input { rhoSE, Xanf, Xmess, ksiSE, kappaMess, thetaMess, KappaSteig };

constexpr double psiSEOfDefaultBody = 0.25083;

struct BandCase
{
    const char *name;
    Input input;
    StatedUncertainty stated;
    double (*expectedRatio)(double psi, int side); // band end / curve, side −1 low, +1 high
};

const BandCase bandCases[] = {
    {"kappaMessScalesTheWholeCurve",
     kappaMess,
     {3, true, Distribution::Normal},
     [](double, int side) { return 1 + side * 1.959964 * 0.03; }},
    {"KappaSteigWidensOnlyBelowTheShrinkageEnd",
     KappaSteig,
     {0.5, false, Distribution::Rectangular},
     [](double psi, int side) {
         return psi > psiSEOfDefaultBody
                    ? 1.0
                    : std::pow(10, side * 1.6454483 * 0.5 * (psiSEOfDefaultBody - psi));
     }},
};

class CurveBandCase : public testing::TestWithParam<BandCase>
{
};

TEST_P(CurveBandCase, EndsAreTheClosedFormQuantiles)
{
    const BandCase &c = GetParam();
    StatedUncertainties stated;
    stated[c.input] = c.stated;
    const CurveBand result =
        curveBand(resolveUncertainties(InputValues{}, stated), curveBandTrials, defaultSeed);
    ASSERT_EQ(result.psi.size(), 60U);
    ASSERT_EQ(result.band.size(), result.psi.size());
    EXPECT_EQ(result.failed, 0);
    EXPECT_DOUBLE_EQ(result.psi.front(), 0.01);
    EXPECT_DOUBLE_EQ(result.psi.back(), 0.6);
    for (std::size_t i = 0; i < result.psi.size(); ++i) {
        const double psi = result.psi[i];
        const double kappa = result.kappa[i];
        // 1e4 trials put a 2.5 % quantile within about 0.03 standard deviations
        EXPECT_NEAR(result.band[i].first / kappa, c.expectedRatio(psi, -1), 0.003) << psi;
        EXPECT_NEAR(result.band[i].second / kappa, c.expectedRatio(psi, +1), 0.003) << psi;
    }
    // The curve at the estimate, at the right edge: kappaGrenz of the results (32.03e-9 m²/s)
    // times (0.6/psiSE)², to the digits given here.
    EXPECT_NEAR(result.kappa.back() / (32.03e-9 * std::pow(0.6 / psiSEOfDefaultBody, 2)), 1,
                0.0005);
}

INSTANTIATE_TEST_SUITE_P(DefaultBody, CurveBandCase, testing::ValuesIn(bandCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Xanf = 0.83 ± 0.01 lies next to the cube root's edge (see analyticcases_test): the trials
// beyond it are counted by their error, and the band stands on the others.
TEST(CurveBandNearAFault, FailedTrialsAreCountedByTheirError)
{
    InputValues body;
    body.Xanf = 0.83;
    StatedUncertainties stated;
    stated[Xanf] = {0.01, false, Distribution::Normal};
    const CurveBand result = curveBand(resolveUncertainties(body, stated), 20000, 5);
    EXPECT_NEAR(double(result.failed) / 20000, 0.1594, 0.013);
    ASSERT_EQ(result.failures.size(), 1U);
    EXPECT_EQ(result.failures.begin()->first, ErrorKind::InvalidArgument);
    EXPECT_EQ(result.band.size(), result.psi.size());
}

} // namespace
