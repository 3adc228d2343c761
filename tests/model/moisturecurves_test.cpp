#include "calculationerror.h"
#include "characteristics.h"
#include "expectations.h"
#include "moisturecurves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace quelbor;
using quelbor::test::faultOf;

namespace {

DryingModel computed(const InputTexts &texts = {})
{
    DryingModel model;
    computeCharacteristics(model, texts);
    return model;
}

InputTexts withDensity(const char *density)
{
    InputTexts texts;
    texts.rhoSE = density;
    return texts;
}

struct CurvePoint
{
    const char *name;
    double X;
    double ksi;
    double rho;
    double psi;
    double ksiRest;
};

const CurvePoint curvePoints[] = {
    {"belowLimit", 0.10, 0.062, 1850, 0.185000, 0},
    {"justAboveLimit", 0.14, 0.0594463, 1834.97, 0.256896, 0.00255375},
    {"middle", 0.20, 0.0261230, 1652.98, 0.330596, 0.0358770},
    {"initialLoading", 0.25, 0, 1526.79, 0.381698, 0.062},
    {"upperShrinkageChartEdge", 0.40, -0.0711563, 1242.29, 0.496914, 0.133156},
    {"lastMarkedLoading", 0.60, -0.153393, 995.057, 0.597034, std::nan("")},
    {"firstUnmarkedLoading", 0.62, -0.160994, 975.641, 0.604897, std::nan("")},
    {"seventyPercent", 0.70, -0.190447, 905.004, 0.633503, std::nan("")},
};

class CurvePointTest : public testing::TestWithParam<CurvePoint>
{
};

TEST_P(CurvePointTest, RelationsGiveTheWorkedValues)
{
    const CurvePoint &p = GetParam();
    const DryingModel m = computed();
    if (p.ksi == 0) {
        EXPECT_NEAR(ksiAt(m, p.X), 0, 1e-15);
    } else {
        EXPECT_DIGITS(ksiAt(m, p.X), p.ksi, 6);
    }
    EXPECT_DIGITS(rhoAt(m, p.X), p.rho, 6);
    EXPECT_DIGITS(psiAt(m, p.X), p.psi, 6);
    if (p.ksiRest == 0) {
        EXPECT_EQ(ksiRestAt(m, p.X), 0);
    } else if (!std::isnan(p.ksiRest)) {
        EXPECT_DIGITS(ksiRestAt(m, p.X), p.ksiRest, 6);
    }
}

INSTANTIATE_TEST_SUITE_P(Defaults, CurvePointTest, testing::ValuesIn(curvePoints),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(MoistureCurves, AtAndBelowTheLimitLoadingTheConstantBranchHolds)
{
    const DryingModel m = computed();
    EXPECT_EQ(ksiAt(m, m.XSE), m.ksiSE);
    EXPECT_EQ(ksiRestAt(m, m.XSE), 0);
    for (double X : {0.0, 0.05, 0.1, m.XSE}) {
        EXPECT_EQ(rhoAt(m, X), m.rhoSE) << X;
        EXPECT_EQ(psiAt(m, X), X * m.rhoSE / 1000) << X;
    }
    EXPECT_EQ(ksiRestAt(m, m.Xanf), 0.062);
}

TEST(MoistureCurves, DecadeScale)
{
    EXPECT_NEAR(kappaDecade(1e-10), 0, 1e-14);
    EXPECT_NEAR(kappaDecade(1e-6), 4, 1e-14);
    EXPECT_DIGITS(kappaDecade(computed().kappaGrenz), 2.50558, 6);
    for (double v : {0.0, -1e-9}) {
        EXPECT_EQ(faultOf([v] { kappaDecade(v); }), ErrorKind::InvalidArgument) << v;
    }
}

TEST(LoadingSweep, DefaultsMarkSixLoadingsAndLeaveTheRest)
{
    const DryingModel m = computed();
    LoadingScale scale;
    scale.psiMarks.fill(-1);
    std::vector<int> marked;
    sweepLoadings(m, scale, [&](int k, double psi) {
        EXPECT_EQ(scale.psiMarks[static_cast<std::size_t>(k)], psi) << "stored before the mark";
        marked.push_back(k);
    });

    EXPECT_EQ(marked, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    const double expected[] = {0.185000, 0.330596, 0.425552, 0.496914, 0.552506, 0.597034};
    for (int k = 1; k <= 6; ++k)
        EXPECT_DIGITS(scale.psiMarks[static_cast<std::size_t>(k)], expected[k - 1], 6) << k;
    for (int k : {0, 7, 8, 9, 10})
        EXPECT_EQ(scale.psiMarks[static_cast<std::size_t>(k)], -1) << k;
    EXPECT_EQ(scale.XlastPlotted, 0.6);
}

TEST(LoadingSweep, EntriesOfAnEarlierCalculationCarryOver)
{
    LoadingScale scale;
    sweepLoadings(computed(withDensity("1000")), scale, [](int, double) {});
    const double lightEighth = scale.psiMarks[8];
    EXPECT_GT(lightEighth, 0);
    // psi 0.509765 at the last step, X = 1
    EXPECT_DIGITS(scale.psiMarks[10], 0.509765, 6);
    EXPECT_EQ(scale.XlastPlotted, 1.0);

    sweepLoadings(computed(), scale, [](int, double) {});
    EXPECT_EQ(scale.psiMarks[8], lightEighth);
    EXPECT_DIGITS(scale.psiMarks[6], 0.597034, 6);
    EXPECT_EQ(scale.XlastPlotted, 0.6);
}

TEST(LoadingSweep, WaterContentOfExactlySixTenthsIsNotPlotted)
{
    // Without shrinkage below the limit loading 0.5, psi = 1.5 X is exactly 0.6 at X = 0.4.
    InputTexts texts;
    texts.rhoSE = "1500";
    texts.Xanf = "0,5";
    texts.ksiSE = "0";
    LoadingScale scale;
    sweepLoadings(computed(texts), scale, [](int, double) {});
    EXPECT_EQ(scale.XlastPlotted, 0.38);
    EXPECT_EQ(scale.psiMarks[4], 0);
}

TEST(LoadingSweep, DenseBodyStopsMarkingEarlyButRunsToTheEnd)
{
    // psi = 4 X below the limit loading of about 0.197 reaches 0.6 at X = 0.15
    LoadingScale scale;
    std::vector<int> marked;
    sweepLoadings(computed(withDensity("4000")), scale,
                  [&](int k, double) { marked.push_back(k); });
    EXPECT_EQ(marked, std::vector<int>{1});
    EXPECT_EQ(scale.XlastPlotted, 0.14);
}

TEST(CurveAbove, DefaultsRunThirtyFourSegmentsFromTheLimitPoint)
{
    const DryingModel m = computed();
    std::vector<double> psis;
    double firstPrevious = 0;
    double lastCurrent = 0;
    sweepCurveAbove(m, [&](double psi, double previous, double current) {
        if (psis.empty())
            firstPrevious = previous;
        else
            EXPECT_EQ(previous, lastCurrent);
        psis.push_back(psi);
        lastCurrent = current;
    });
    ASSERT_EQ(psis.size(), 34u);
    EXPECT_DIGITS(psis.front(), 0.260810, 6);
    EXPECT_DIGITS(psis.back(), 0.590810, 6);
    EXPECT_DIGITS(firstPrevious, 2.50558, 6);
}

TEST(CurveAbove, NoSegmentWhenTheLimitLiesBeyondTheChart)
{
    DryingModel m = computed();
    m.psiSE = 0.595;
    int segments = 0;
    sweepCurveAbove(m, [&](double, double, double) { ++segments; });
    EXPECT_EQ(segments, 0);
}

TEST(CurveAbove, LastStepExactlyOnSixTenthsIsDrawn)
{
    DryingModel m = computed();
    m.psiSE = 0.59; // 0.59 + 0.01 is 0.6 exactly in double
    std::vector<double> psis;
    sweepCurveAbove(m, [&](double psi, double, double) { psis.push_back(psi); });
    EXPECT_EQ(psis, std::vector<double>{0.6});
}

TEST(CurveAbove, ZeroDiffusivityFailsBeforeAnySegment)
{
    InputTexts texts;
    texts.kappaMess = "0";
    const DryingModel m = computed(texts);
    int segments = 0;
    EXPECT_EQ(faultOf([&] { sweepCurveAbove(m, [&](double, double, double) { ++segments; }); }),
              ErrorKind::InvalidArgument);
    EXPECT_EQ(segments, 0);
}

TEST(CurveAbove, ShrinkageNearlyHundredPercentEndsInsteadOfHanging)
{
    InputTexts texts;
    texts.ksiSE = "99,9999";
    const DryingModel m = computed(texts);
    ASSERT_LT(m.psiSE, -1e6);
    int segments = 0;
    EXPECT_EQ(faultOf([&] { sweepCurveAbove(m, [&](double, double, double) { ++segments; }); }),
              ErrorKind::Overflow);
    EXPECT_EQ(segments, 0);
}

TEST(LinesBelow, DefaultsGiveTheThreeLevels)
{
    const LinesBelow lines = sweepLinesBelow(computed());
    EXPECT_DIGITS(lines.levelSteig, 0.819906, 6);
    EXPECT_DIGITS(lines.level6, 1.06072, 6);
    EXPECT_DIGITS(lines.level10, 0.0974753, 6);
    EXPECT_DIGITS(lines.limitLevel, 2.50558, 6);
}

TEST(ShrinkageSweep, PointsComeBeforeTheirValuesAndChainUp)
{
    const DryingModel m = computed();
    std::vector<int> order;
    double lastCurrent = 0;
    sweepShrinkage(
        m,
        [&](int n, double X) {
            order.push_back(n);
            EXPECT_EQ(X, n / 100.0);
        },
        [&](int n, double previous, double current) {
            order.push_back(-n);
            EXPECT_EQ(previous, lastCurrent);
            lastCurrent = current;
            if (n == 13) {
                EXPECT_EQ(current, 0);
            }
            if (n == 25) {
                EXPECT_NEAR(current, 0.062, 1e-15);
            }
        });
    ASSERT_EQ(order.size(), 80u);
    for (int n = 1; n <= 40; ++n) {
        EXPECT_EQ(order[static_cast<std::size_t>(2 * n - 2)], n);
        EXPECT_EQ(order[static_cast<std::size_t>(2 * n - 1)], -n);
    }
    EXPECT_DIGITS(lastCurrent, 0.133156, 6);
}

TEST(MoistureCurves, NegativeBaseUnderTheCubeRootIsInvalid)
{
    DryingModel m = computed();
    m.psianf = 1.5; // only possible with psianf above 1
    EXPECT_EQ(faultOf([&] { ksiAt(m, 0.3); }), ErrorKind::InvalidArgument);
}

} // namespace
