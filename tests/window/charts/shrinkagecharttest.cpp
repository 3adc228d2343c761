// The shrinkage chart (extent 4000 x 1500, x = 10000 X, y = 1500 - 10000 s) against figures
// worked out by hand: with the defaults XSE is 0.135573 and the shrinkage still ahead is
// 0.00255375 at X = 0.14, 0.062 at 0.25 and 0.133156 at 0.40.

#include "shrinkagechart.h"
#include "calculationerror.h"
#include "chartmodel.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace quelbor {
namespace {

using Kind = SurfaceOperation::Kind;

struct ShrinkageDrawing
{
    explicit ShrinkageDrawing(const InputTexts &texts)
        : model(modelFor(texts))
    {}

    void draw()
    {
        drawShrinkageChart(model, surface, [this] {
            ++refreshes;
            operationsAtRefresh = surface.operations().size();
        });
    }
    // The 40 segments of the curve after the 33 grid lines.
    std::vector<SurfaceOperation> segments() const
    {
        const auto lines = surface.lines();
        return {lines.begin() + 33, lines.end()};
    }

    DryingModel model;
    RecordingSurface surface{{4000, 1500}};
    int refreshes = 0;
    std::size_t operationsAtRefresh = 0;
};

TEST(ShrinkageChart, GridBlueVerticalsUnderGreyHorizontals)
{
    ShrinkageDrawing drawing({});
    drawing.draw();
    const auto lines = drawing.surface.lines();
    ASSERT_EQ(lines.size(), 33u + 40u);
    for (int i = 0; i < 19; ++i) {
        const float x = 200.0f * static_cast<float>(i + 1); // X = 0.02 ... 0.38
        const int width = (x == 1000 || x == 2000 || x == 3000) ? 2 : 1;
        EXPECT_EQ(lines[i], (SurfaceOperation{Kind::Line, x, 0, x, 1500, colours::blue, width}));
    }
    for (int j = 0; j < 14; ++j) {
        const float y = 100.0f * static_cast<float>(j + 1); // 14 % ... 1 %
        const int width = (y == 500 || y == 1000) ? 2 : 1;
        EXPECT_EQ(lines[19 + j],
                  (SurfaceOperation{Kind::Line, 0, y, 4000, y, colours::grey, width}));
    }
}

struct ShrinkageEndCase
{
    std::string name;
    InputTexts texts;
    int pointsAtOrBelowXSE; // of n = 1 ... 40, X = n / 100
};

// Names the row in failure messages instead of dumping its bytes.
void PrintTo(const ShrinkageEndCase &c, std::ostream *os)
{
    *os << c.name;
}

const ShrinkageEndCase shrinkageEndCases[] = {
    {"Defaults", {}, 13}, // XSE 0.135573
    // Density 1000 without shrinkage: XSE is the initial loading 0.2 exactly, the value of
    // point 20, which is not above it.
    {"PointExactlyAtTheEndIsNotAbove", {.rhoSE = "1000", .Xanf = "0,2", .ksiSE = "0"}, 20},
    // Initial loading 0,6 puts XSE at 0.485573: the whole curve lies along the bottom.
    {"EndBeyondTheChart", {.Xanf = "0,6"}, 40},
};

class ShrinkageEnds : public ::testing::TestWithParam<ShrinkageEndCase>
{
};

// Up to the shrinkage end the curve runs along the bottom edge in width 5; from the first
// point above it every segment is width 3, the rising one included, and the width stays.
TEST_P(ShrinkageEnds, WidthFiveThenThree)
{
    const ShrinkageEndCase &c = GetParam();
    ShrinkageDrawing drawing(c.texts);
    drawing.draw();
    const auto segments = drawing.segments();
    ASSERT_EQ(segments.size(), 40u);
    for (int n = 1; n <= 40; ++n) {
        const SurfaceOperation &segment = segments[n - 1];
        SCOPED_TRACE(testing::Message() << "segment " << n);
        EXPECT_EQ(segment.colour, colours::black);
        EXPECT_EQ(segment.x1, 100.0f * static_cast<float>(n - 1));
        EXPECT_EQ(segment.x2, 100.0f * static_cast<float>(n));
        const float previousEnd = n > 1 ? segments[n - 2].y2 : 1500.0f;
        EXPECT_EQ(segment.y1, previousEnd);
        if (n <= c.pointsAtOrBelowXSE) {
            EXPECT_EQ(segment.width, 5);
            EXPECT_EQ(segment.y2, 1500);
        } else {
            EXPECT_EQ(segment.width, 3);
            EXPECT_LT(segment.y2, segment.y1); // more still ahead at a higher loading
        }
    }
    EXPECT_EQ(drawing.surface.drawWidth(), c.pointsAtOrBelowXSE == 40 ? 5 : 3);
    EXPECT_EQ(drawing.refreshes, 1);
    EXPECT_EQ(drawing.operationsAtRefresh, drawing.surface.operations().size());
}

INSTANTIATE_TEST_SUITE_P(Inputs, ShrinkageEnds, ::testing::ValuesIn(shrinkageEndCases),
                         [](const auto &info) { return info.param.name; });

TEST(ShrinkageChart, DefaultsPassTheWorkedPoints)
{
    ShrinkageDrawing drawing({});
    drawing.draw();
    const auto segments = drawing.segments();
    ASSERT_EQ(segments.size(), 40u);
    EXPECT_NEAR(segments[13].y2, 1474.46, 0.01); // 0.255 % still ahead at X = 0.14
    EXPECT_NEAR(segments[24].y2, 880, 0.01);     // 6.2 % at the initial loading 0.25
    EXPECT_NEAR(segments[39].y2, 168.44, 0.01);  // 13.3 % at X = 0.40
}

// Dry density -10000 kg/m³ with initial loading 0,2: XSE 0.221169; above it the curve falls
// below the bottom edge (1784.67 at X = 0.23, handed over unclipped), and at X = 0.33 the base
// under the cube root, 1.650587 - 8.252937 X, is negative.
TEST(ShrinkageChart, FaultKeepsTheSegmentsBeforeItAndSkipsTheRefresh)
{
    ShrinkageDrawing drawing({.rhoSE = "-10000", .Xanf = "0,2"});
    try {
        drawing.draw();
        FAIL() << "no fault";
    } catch (const CalculationError &error) {
        EXPECT_EQ(error.kind(), ErrorKind::InvalidArgument);
    }
    const auto segments = drawing.segments();
    ASSERT_EQ(segments.size(), 32u);
    EXPECT_EQ(segments[21].y2, 1500);
    EXPECT_EQ(segments[21].width, 5);
    EXPECT_NEAR(segments[22].y2, 1784.67, 0.01);
    EXPECT_EQ(segments[22].width, 3);
    EXPECT_EQ(drawing.surface.operations().back(),
              (SurfaceOperation{Kind::Width, 0, 0, 0, 0, {}, 3}));
    EXPECT_EQ(drawing.refreshes, 0);
    EXPECT_TRUE(allCoordinatesFinite(drawing.surface));
}

} // namespace
} // namespace quelbor
