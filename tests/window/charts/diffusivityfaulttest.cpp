// A fault while the diffusivity chart is drawn ends it at that point: what was drawn and moved
// stays, nothing after it happens, and no coordinate that is not a number reaches the surface.

#include "calculationerror.h"
#include "chartmodel.h"
#include "diffusivitychart.h"
#include "recordinglabels.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quelbor {
namespace {

struct FaultCase
{
    std::string name;
    InputTexts texts;
    ErrorKind kind;
    std::size_t lines;      // lines drawn before the fault
    std::size_t labelCalls; // label shows and moves before it
    int widthAtFault;       // draw width last set
    double XlastPlotted;
};

// Names the row in failure messages instead of dumping its bytes.
void PrintTo(const FaultCase &c, std::ostream *os)
{
    *os << c.name;
}

const FaultCase faultCases[] = {
    // kappaGrenz 0: the grid (48), the six marks and the three markers are drawn and the
    // labels shown (4, 5, 6) and moved; the level of the limit point is the logarithm of 0.
    {"DiffusivityZeroStopsAtTheCurve",
     {.kappaMess = "0"},
     ErrorKind::InvalidArgument,
     48 + 6 + 3,
     3 + 8,
     4,
     0.6},
    // Dry density -10000 kg/m³ with initial loading 0,2: XSE 0.221169, and above it the base
    // under the cube root, 1.650587 - 8.252937 X, turns negative at X = 0.34, after the marks of
    // 0.1, 0.2 and 0.3; no label is touched.
    {"NegativeBaseStopsTheMarks",
     {.rhoSE = "-10000", .Xanf = "0,2"},
     ErrorKind::InvalidArgument,
     48 + 3,
     0,
     1,
     0.32},
    // Dry density -1e40 kg/m³ without shrinkage: psi at 0.1 is -1e36, whose x of -1e40 is
    // beyond single precision. psiMarks[1] is stored, the mark is not drawn.
    {"MarkBeyondSinglePrecision",
     {.rhoSE = "-1e40", .Xanf = "0,3", .Xmess = "0,2", .ksiSE = "0"},
     ErrorKind::Overflow,
     48,
     0,
     2,
     0.1},
    // Dry density 1e40 kg/m³: every loading has psi far above 0.6, so there are no marks and
    // all labels go to 6990; then psiSE 2e36 gives a marker x of 2e40.
    {"MarkerBeyondSinglePrecision",
     {.rhoSE = "1e40", .Xanf = "0,2", .Xmess = "0,3", .ksiSE = "0"},
     ErrorKind::Overflow,
     48,
     8,
     3,
     0},
};

class DiffusivityFaults : public ::testing::TestWithParam<FaultCase>
{
};

TEST_P(DiffusivityFaults, KeepWhatWasDrawnAndStop)
{
    const FaultCase &c = GetParam();
    const DryingModel model = modelFor(c.texts);
    LoadingScale scale;
    RecordingSurface surface{{6000, 4000}};
    RecordingLabels labels;
    try {
        drawDiffusivityChart(model, scale, surface, labels);
        FAIL() << "no fault";
    } catch (const CalculationError &error) {
        EXPECT_EQ(error.kind(), c.kind);
    }
    EXPECT_EQ(surface.lines().size(), c.lines);
    EXPECT_EQ(labels.calls().size(), c.labelCalls);
    EXPECT_EQ(surface.operations().back().kind, SurfaceOperation::Kind::Width);
    EXPECT_EQ(surface.drawWidth(), c.widthAtFault);
    EXPECT_EQ(scale.XlastPlotted, c.XlastPlotted);
    EXPECT_TRUE(allCoordinatesFinite(surface));
}

INSTANTIATE_TEST_SUITE_P(Inputs, DiffusivityFaults, ::testing::ValuesIn(faultCases),
                         [](const auto &info) { return info.param.name; });

TEST(DiffusivityChart, MarkBeyondSinglePrecisionIsStoredFirst)
{
    const DryingModel model =
        modelFor({.rhoSE = "-1e40", .Xanf = "0,3", .Xmess = "0,2", .ksiSE = "0"});
    LoadingScale scale;
    RecordingSurface surface{{6000, 4000}};
    RecordingLabels labels;
    EXPECT_THROW(drawDiffusivityChart(model, scale, surface, labels), CalculationError);
    EXPECT_DOUBLE_EQ(scale.psiMarks[1], -1e36);
    EXPECT_EQ(scale.psiMarks[2], 0);
}

} // namespace
} // namespace quelbor
