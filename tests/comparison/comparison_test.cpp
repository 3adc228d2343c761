#include "bodypalette.h"
#include "comparisonlist.h"
#include "overlaychart.h"
#include "windowcalculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <set>
#include <tuple>

namespace quelbor {
namespace {

InputTexts withInput(std::string InputTexts::*field, std::string text)
{
    InputTexts texts;
    texts.*field = std::move(text);
    return texts;
}

TEST(BodyPalette, ColoursAreDistinctAndNoneIsTheGridsOrWhite)
{
    std::set<std::tuple<int, int, int>> seen;
    for (const Rgb colour : bodyPalette) {
        EXPECT_TRUE(seen.emplace(colour.red, colour.green, colour.blue).second);
        for (const Rgb chart : {colours::white, colours::black, colours::grey})
            EXPECT_NE(colour, chart);
    }
}

// A list of steps on a comparison and the colour each remaining body has after them.
struct ColourCase
{
    const char *name;
    // "+name" adds, "+name@colour" adds a body kept in that colour, "-row" removes,
    // "^from>to" moves
    std::vector<std::string> steps;
    std::vector<std::pair<std::string, std::size_t>> expected;
};

class BodyColours : public testing::TestWithParam<ColourCase>
{
};

TEST_P(BodyColours, StayWithTheirBody)
{
    ComparisonList list;
    for (const std::string &step : GetParam().steps) {
        if (step[0] == '+') {
            ComparedBody body;
            const auto at = step.find('@');
            body.name = step.substr(1, at - 1);
            list.add(body, at == std::string::npos
                               ? std::nullopt
                               : std::optional(std::stoul(step.substr(at + 1))));
        } else if (step[0] == '-') {
            list.remove(std::stoul(step.substr(1)));
        } else {
            const auto arrow = step.find('>');
            list.move(std::stoul(step.substr(1, arrow - 1)), std::stoul(step.substr(arrow + 1)));
        }
    }
    std::vector<std::pair<std::string, std::size_t>> seen;
    std::transform(list.bodies().begin(), list.bodies().end(), std::back_inserter(seen),
                   [](const ComparedBody &body) {
                       return std::pair{body.name, body.colour};
                   });
    EXPECT_EQ(seen, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Comparison, BodyColours,
    testing::Values(
        ColourCase{"InOrderAdded", {"+A", "+B", "+C"}, {{"A", 0}, {"B", 1}, {"C", 2}}},
        ColourCase{"KeptWhenAnotherIsRemoved", {"+A", "+B", "+C", "-1"}, {{"A", 0}, {"C", 2}}},
        ColourCase{"FreedColourGoesToTheNext",
                   {"+A", "+B", "+C", "-0", "+D"},
                   {{"B", 1}, {"C", 2}, {"D", 0}}},
        ColourCase{
            "KeptWhenMoved", {"+A", "+B", "+C", "^0>2", "^2>1"}, {{"B", 1}, {"A", 0}, {"C", 2}}},
        ColourCase{
            "EighthTakesTheFirstAgain",
            {"+A", "+B", "+C", "+D", "+E", "+F", "+G", "+H"},
            {{"A", 0}, {"B", 1}, {"C", 2}, {"D", 3}, {"E", 4}, {"F", 5}, {"G", 6}, {"H", 0}}},
        ColourCase{"KeptColourPutBack", {"+A@2", "+B@0", "+C"}, {{"A", 2}, {"B", 0}, {"C", 1}}},
        ColourCase{
            "KeptColourOutsideThePalettePassedOver", {"+A@7", "+B@1"}, {{"A", 0}, {"B", 1}}}),
    [](const auto &info) { return info.param.name; });

// Bodies whose overlay must repeat the window's charts.
struct BodyCase
{
    const char *name;
    InputTexts texts;
};

const BodyCase bodyCases[] = {
    {"Defaults", {}},
    {"Sandy", withInput(&InputTexts::ksiSE, "3,5")},
    {"Fat", withInput(&InputTexts::Xanf, "0,32")},
    {"SteepBelowLimit", withInput(&InputTexts::KappaSteig, "10")},
    {"SlowDiffusion", withInput(&InputTexts::kappaMess, "8")},
};

class Overlay : public testing::TestWithParam<BodyCase>
{
};

const std::vector<SurfaceOperation> &gridOf(const RecordingSurface *overlay)
{
    return overlay->extent().width == 6000 ? diffusivityGridOperations()
                                           : shrinkageGridOperations();
}

// A line as the chart places it, without its colour.
using Place = std::tuple<float, float, float, float, int>;

std::vector<Place> places(const std::vector<SurfaceOperation> &lines)
{
    std::vector<Place> placed;
    std::transform(lines.begin(), lines.end(), std::back_inserter(placed),
                   [](const SurfaceOperation &line) {
                       return Place{line.x1, line.y1, line.x2, line.y2, line.width};
                   });
    return placed;
}

TEST_P(Overlay, OfOneBodyIsTheWindowsChartsInItsColour)
{
    WindowCalculation window(",");
    const CalculationRecord record = window.press(GetParam().texts);
    ASSERT_FALSE(record.error);

    ComparisonList list;
    list.add(calculateBody("other", {}));
    list.add(calculateBody(GetParam().name, GetParam().texts));
    const ComparedBody &body = list.bodies().back();
    const std::vector<ComparedBody> one{body};
    // On the window's own axes, those of no body.
    RecordingSurface kappa({6000, 4000});
    RecordingSurface schwindung({4000, 1500});
    drawDiffusivityOverlay(one, diffusivityAxes({}), kappa);
    drawShrinkageOverlay(one, shrinkageAxes({}), schwindung);

    for (const auto &[overlay, chart] :
         {std::pair{&kappa, &record.kappa}, std::pair{&schwindung, &record.schwindung}}) {
        ASSERT_EQ(overlay->operations().front().kind, SurfaceOperation::Kind::Box);
        EXPECT_EQ(places(overlay->lines()), places(chart->lines()));
        // The grid as it is; after it the curve in the body's colour, the marks in it or its tint.
        const auto lines = overlay->lines();
        const auto original = chart->lines();
        const std::size_t grid = std::size_t(std::count_if(
            gridOf(overlay).begin(), gridOf(overlay).end(),
            [](const SurfaceOperation &o) { return o.kind == SurfaceOperation::Kind::Line; }));
        for (std::size_t i = 0; i < std::min(lines.size(), original.size()); ++i) {
            if (i < grid)
                EXPECT_EQ(lines[i].colour, original[i].colour) << "line " << i;
            else if (original[i].colour == colours::black)
                EXPECT_EQ(lines[i].colour, bodyPalette[1]) << "line " << i;
            else
                EXPECT_TRUE(lines[i].colour == bodyPalette[1] ||
                            lines[i].colour == lighterTint(bodyPalette[1]))
                    << "line " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Comparison, Overlay, testing::ValuesIn(bodyCases),
                         [](const auto &info) { return info.param.name; });

// The diffusivity's axes grow by the fewest whole decades that hold every shown curve, and
// stay the window's while the curves fit them.
TEST(Overlay, CommonAxesHoldEveryShownCurve)
{
    ComparisonList list;
    for (const BodyCase &body : bodyCases)
        list.add(calculateBody(body.name, body.texts));
    const OverlayAxes fitting = diffusivityAxes(std::span(list.bodies()).first(1));
    EXPECT_EQ(fitting.extent, (LogicalExtent{6000, 4000}));
    EXPECT_EQ(fitting.shift, 0);

    const OverlayAxes axes = diffusivityAxes(list.bodies());
    float lowest = 0;
    for (const ComparedBody &body : list.bodies()) {
        for (const BodyLine &line : body.kappaLines) {
            if (line.role != LineRole::Curve)
                continue;
            for (const float y : {line.line.y1 + axes.shift, line.line.y2 + axes.shift}) {
                EXPECT_TRUE(y >= 0 && y <= axes.extent.height) << body.name << ": " << y;
                lowest = std::max(lowest, y);
            }
        }
    }
    EXPECT_GT(axes.extent.height, 4000);
    EXPECT_LT(axes.extent.height - lowest, 1000);
    EXPECT_EQ(axes.verticalTicks.size(), std::size_t(axes.decades) + 1);
}

TEST(Overlay, DrawsCurvesOverEveryBodysMarksAndLeavesOutHiddenAndFailedBodies)
{
    ComparisonList list;
    list.add(calculateBody("A", {}));
    list.add(calculateBody("B", withInput(&InputTexts::ksiSE, "3,5")));
    list.add(calculateBody("hidden", withInput(&InputTexts::Xanf, "0,32")));
    list.add(calculateBody("failed", withInput(&InputTexts::kappaMess, "0")));
    list.setShown(2, false);
    const OverlayAxes axes = diffusivityAxes(list.bodies());
    RecordingSurface kappa(axes.extent);
    drawDiffusivityOverlay(list.bodies(), axes, kappa);

    std::vector<Rgb> colourOrder;
    for (const SurfaceOperation &line : kappa.lines()) {
        if (colourOrder.empty() || colourOrder.back() != line.colour)
            colourOrder.push_back(line.colour);
    }
    const Rgb a = bodyPalette[0];
    const Rgb b = bodyPalette[1];
    // grid, A's marks (tint, limit, tint), B's marks, then A's curve and B's curve
    const std::vector<Rgb> expected{colours::grey,
                                    colours::black,
                                    lighterTint(a),
                                    a,
                                    lighterTint(a),
                                    lighterTint(b),
                                    b,
                                    lighterTint(b),
                                    a,
                                    b};
    EXPECT_EQ(colourOrder, expected);
    const auto legend = overlayLegend(list.bodies());
    ASSERT_EQ(legend.size(), 2u);
    EXPECT_EQ(legend[0].name, "A");
    EXPECT_EQ(legend[1].name, "B");
    EXPECT_EQ(list.bodies()[3].error,
              "Laufzeitfehler 5: Ungültiger Prozeduraufruf oder ungültiges Argument");
}

} // namespace
} // namespace quelbor
