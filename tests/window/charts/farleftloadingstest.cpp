// Water-loading entries so far left of the chart that their labels lie beyond the
// single-precision range, left behind by one calculation for the next: the entries outlive
// their calculation, so the next one, with the defaults too, must still draw its chart whole.

#include "calculationerror.h"
#include "chartmodel.h"
#include "diffusivitychart.h"
#include "recordinglabels.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace quelbor {
namespace {

constexpr float farthestLeft = std::numeric_limits<float>::lowest();

struct FarLeftCase
{
    std::string name;
    InputTexts earlier; // ends with an error after storing its far-left entries
    InputTexts later;
    std::vector<int> shown;
    std::array<float, 8> left; // lbl_n1 ... lbl_n8 as the later calculation placed them
};

// Names the row in failure messages instead of dumping its bytes.
void PrintTo(const FarLeftCase &c, std::ostream *os)
{
    *os << c.name;
}

const FarLeftCase farLeftCases[] = {
    // Dry density -4e37 kg/m³ without shrinkage and initial loading 0,9: every loading up to
    // 0.9 has psi = X * -4e34. Entry 8 (-3.2e34) puts lbl_n8 at -3.616e38 twips, beyond single
    // precision; the mark of 0.9 at x = -3.6e38 overflows. The defaults reach entries 1 to 6
    // only: lbl_n7 keeps -2.8e34 / 0.6 * 6780 + 6990 = -3.164e38, lbl_n8 the farthest left.
    {"DefaultsAfterAFarLeftBody",
     {.rhoSE = "-4e37", .Xanf = "0,9", .Xmess = "0,2", .ksiSE = "0"},
     {},
     {4, 5, 6},
     {9080.5f, 10725.74f, 11798.73f, 12605.13f, 13233.32f, 13736.49f, -3.164e38f, farthestLeft}},
    // Dry density -1e40 kg/m³: entry 1 is -1e36 before its mark overflows. A body of 7000
    // kg/m³ marks nothing, so the always-visible lbl_n1 is placed by that entry.
    {"DenseBodyAfterAFarLeftBody",
     {.rhoSE = "-1e40", .Xanf = "0,3", .Xmess = "0,2", .ksiSE = "0"},
     {.rhoSE = "7000"},
     {},
     {farthestLeft, 6990, 6990, 6990, 6990, 6990, 6990, 6990}},
};

class FarLeftLoadings : public ::testing::TestWithParam<FarLeftCase>
{
};

TEST_P(FarLeftLoadings, NextPlacesEveryLabel)
{
    const FarLeftCase &c = GetParam();
    DryingModel model; // kept across both calculations, as the window keeps it
    LoadingScale scale;
    RecordingSurface earlierSurface{{6000, 4000}};
    RecordingLabels earlierLabels;
    EXPECT_THROW(
        {
            computeCharacteristics(model, c.earlier);
            drawDiffusivityChart(model, scale, earlierSurface, earlierLabels);
        },
        CalculationError);

    RecordingSurface surface{{6000, 4000}};
    RecordingLabels labels;
    computeCharacteristics(model, c.later);
    ASSERT_NO_THROW(drawDiffusivityChart(model, scale, surface, labels));

    EXPECT_EQ(labels.shown(), c.shown);
    const auto moves = labels.moves();
    ASSERT_EQ(moves.size(), 8u);
    for (int k = 1; k <= 8; ++k) {
        const float expected = c.left[k - 1];
        EXPECT_NEAR(moves[k - 1].left, expected, std::abs(expected) * 1e-6f) << "lbl_n" << k;
    }
    EXPECT_TRUE(allCoordinatesFinite(surface));
}

INSTANTIATE_TEST_SUITE_P(Bodies, FarLeftLoadings, ::testing::ValuesIn(farLeftCases),
                         [](const auto &info) { return info.param.name; });

} // namespace
} // namespace quelbor
