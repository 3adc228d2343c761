// The diffusivity chart with the window's default inputs, against the figures worked out by
// hand for them (psiSE 0.250810, psi25 0.381698, psiMess 0.313577, kappaGrenz 3.20314e-8).

#include "chartmodel.h"
#include "diffusivitychart.h"
#include "recordinglabels.h"

#include <gtest/gtest.h>

#include <vector>

namespace quelbor {
namespace {

using Kind = SurfaceOperation::Kind;

class DiffusivityDefaults : public ::testing::Test
{
protected:
    void SetUp() override
    {
        drawDiffusivityChart(model, scale, surface, labels);
        lines = surface.lines();
    }

    DryingModel model = modelFor({});
    LoadingScale scale;
    RecordingSurface surface{{6000, 4000}};
    RecordingLabels labels;
    std::vector<SurfaceOperation> lines;
};

// Consecutive runs of lines, in drawing order.
struct LineGroup
{
    const char *what;
    int count;
    Rgb colour;
    int width; // 0: mixed, checked elsewhere
};

TEST_F(DiffusivityDefaults, DrawsItsPartsInOrder)
{
    const LineGroup groups[] = {
        {"vertical grid", 29, colours::grey, 0},   {"horizontal grid", 19, colours::black, 0},
        {"loading marks", 6, colours::blue, 2},    {"psiSE and psi25 markers", 2, colours::red, 3},
        {"psiMess marker", 1, colours::green, 3},  {"curve above psiSE", 34, colours::black, 4},
        {"KappaSteig line", 1, colours::black, 4}, {"slope 10 and 6 lines", 2, colours::black, 1},
    };
    ASSERT_EQ(lines.size(), 94u);
    std::size_t at = 0;
    for (const LineGroup &group : groups) {
        for (int i = 0; i < group.count; ++i, ++at) {
            SCOPED_TRACE(testing::Message() << group.what << " line " << i);
            EXPECT_EQ(lines[at].colour, group.colour);
            if (group.width != 0) {
                EXPECT_EQ(lines[at].width, group.width);
            }
        }
    }
    EXPECT_EQ(surface.drawWidth(), 1);
    EXPECT_EQ(surface.operations().back().kind, Kind::Line);
}

TEST_F(DiffusivityDefaults, VerticalGridEveryTwoHundredthsThickAtTenths)
{
    for (int i = 0; i < 29; ++i) {
        const SurfaceOperation &line = lines[i];
        const float x = 200.0f * static_cast<float>(i + 1);
        EXPECT_EQ(line, (SurfaceOperation{Kind::Line, x, 0, x, 6000, colours::grey, line.width}));
        const bool tenth = x == 1000 || x == 2000 || x == 3000 || x == 4000 || x == 5000;
        EXPECT_EQ(line.width, tenth ? 2 : 1) << "at x " << x;
    }
}

TEST_F(DiffusivityDefaults, HorizontalGridDecadesAndTheirSteps)
{
    // Decade line (none at the edges 0 and 4000), then 2, 4, 6, 8 times its diffusivity above
    // it: 1000 * log10 of 2, 4, 6, 8 is 301, 602, 778, 903.
    const struct
    {
        float y;
        int width;
    } expected[] = {{1000, 2}, {699, 1},  {398, 1},  {222, 1},  {97, 1},   {2000, 2}, {1699, 1},
                    {1398, 1}, {1222, 1}, {1097, 1}, {3000, 2}, {2699, 1}, {2398, 1}, {2222, 1},
                    {2097, 1}, {3699, 1}, {3398, 1}, {3222, 1}, {3097, 1}};
    for (int j = 0; j < 19; ++j) {
        const SurfaceOperation &line = lines[29 + j];
        EXPECT_EQ(line, (SurfaceOperation{Kind::Line, 0, expected[j].y, 6000, expected[j].y,
                                          colours::black, expected[j].width}))
            << "horizontal line " << j;
    }
}

TEST_F(DiffusivityDefaults, MarksAtTheLoadingsBelowSixTenths)
{
    const double markX[] = {1850, 3306, 4256, 4969, 5525, 5970};
    const double psiMarks[] = {0.185000, 0.330596, 0.425552, 0.496914, 0.552506, 0.597034};
    for (int k = 1; k <= 6; ++k) {
        const SurfaceOperation &mark = lines[47 + k];
        EXPECT_NEAR(mark.x1, markX[k - 1], 0.5) << "loading " << k;
        EXPECT_EQ(mark.x2, mark.x1);
        EXPECT_EQ(mark.y1, 0);
        EXPECT_EQ(mark.y2, 6000);
        EXPECT_NEAR(scale.psiMarks[k], psiMarks[k - 1], 5e-7) << "loading " << k;
    }
    for (int k : {0, 7, 8, 9, 10})
        EXPECT_EQ(scale.psiMarks[k], 0) << "entry " << k;
    // 0.60 is the last loading below psi 0.6 (psi 0.597034; 0.62 gives 0.604897).
    EXPECT_EQ(scale.XlastPlotted, 0.6);
}

TEST_F(DiffusivityDefaults, LabelsShownThenMovedOverTheirMarks)
{
    const std::vector<int> shown{4, 5, 6};
    EXPECT_EQ(labels.shown(), shown);
    // The three shows come first: the visibility is settled before any label moves.
    ASSERT_EQ(labels.calls().size(), 11u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(labels.calls()[i].kind, RecordingLabels::Call::Kind::Show);

    const double left[] = {9080.5, 10726, 11799, 12605, 13233, 13736, 6990, 6990};
    const auto moves = labels.moves();
    ASSERT_EQ(moves.size(), 8u);
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(moves[k - 1].index, k);
        EXPECT_NEAR(moves[k - 1].left, left[k - 1], 0.5) << "lbl_n" << k;
    }
    EXPECT_EQ(moves[0].left, 9080.5f);
    EXPECT_EQ(moves[6].left, 6990.0f);
}

TEST_F(DiffusivityDefaults, StateMarkersAtPsiSEPsi25AndPsiMess)
{
    const struct
    {
        double x;
        Rgb colour;
    } expected[] = {{2508, colours::red}, {3817, colours::red}, {3136, colours::green}};
    for (int i = 0; i < 3; ++i) {
        const SurfaceOperation &marker = lines[54 + i];
        EXPECT_NEAR(marker.x1, expected[i].x, 0.5) << "marker " << i;
        EXPECT_EQ(marker, (SurfaceOperation{Kind::Line, marker.x1, 0, marker.x1, 4000,
                                            expected[i].colour, 3}));
    }
}

TEST_F(DiffusivityDefaults, CurveAboveRunsFromTheLimitPointInSteps)
{
    // Starts at (psiSE, kappaGrenz): y = 4000 - 1000 * 2.50558; ends at psi 0.590810 where
    // kappaAbove is 1.7775e-7, level 3.24978.
    const SurfaceOperation &first = lines[57];
    EXPECT_NEAR(first.x1, 2508.1, 0.05);
    EXPECT_NEAR(first.y1, 1494.42, 0.05);
    for (int i = 0; i < 34; ++i) {
        const SurfaceOperation &segment = lines[57 + i];
        EXPECT_NEAR(segment.x2 - segment.x1, 100, 0.01) << "segment " << i;
        EXPECT_LT(segment.y2, segment.y1) << "segment " << i; // the diffusivity rises with psi
        if (i > 0) {
            EXPECT_EQ(segment.x1, lines[56 + i].x2) << "segment " << i;
            EXPECT_EQ(segment.y1, lines[56 + i].y2) << "segment " << i;
        }
    }
    EXPECT_NEAR(lines[90].x2, 5908.1, 0.05);
    EXPECT_NEAR(lines[90].y2, 750.22, 0.05);
}

TEST_F(DiffusivityDefaults, LinesBelowEndInTheLimitPoint)
{
    // KappaSteig 7 first, then the slopes 10 and 6: levels at psi 0.01 of 0.819906, 0.0974753
    // and 1.06072.
    const double startY[] = {3180.09, 3902.52, 2939.28};
    const int width[] = {4, 1, 1};
    for (int i = 0; i < 3; ++i) {
        const SurfaceOperation &line = lines[91 + i];
        EXPECT_EQ(line.x1, 100);
        EXPECT_NEAR(line.y1, startY[i], 0.05) << "line " << i;
        EXPECT_NEAR(line.x2, 2508.1, 0.05) << "line " << i;
        EXPECT_NEAR(line.y2, 1494.42, 0.05) << "line " << i;
        EXPECT_EQ(line.width, width[i]) << "line " << i;
    }
}

} // namespace
} // namespace quelbor
