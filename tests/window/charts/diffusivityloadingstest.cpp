// The water-loading scale of the diffusivity chart across bodies of different density, and
// across two calculations that share the scale as the window does.

#include "chartmodel.h"
#include "diffusivitychart.h"
#include "recordinglabels.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace quelbor {
namespace {

struct LoadingCase
{
    std::string name;
    std::vector<std::string> densities; // one calculation each, the others at their defaults
    double XlastPlotted;
    std::vector<int> marksInLast; // loadings k marked by the last calculation
    std::vector<int> shownInLast;
    std::array<double, 8> psiMarks; // entries 1 ... 8 after the last calculation
    std::array<double, 8> left;     // lbl_n1 ... lbl_n8 as the last calculation placed them
};

// Names the row in failure messages instead of dumping its bytes.
void PrintTo(const LoadingCase &c, std::ostream *os)
{
    *os << c.name;
}

// Water contents psi at the loadings 0.1 ... 0.8 of bodies with dry density 1500, 1850 (the
// default) and 1870 kg/m³, worked out by hand from the shrinkage law.
const std::array<double, 8> psi1500{0.15,     0.263924, 0.349735, 0.417627,
                                    0.472682, 0.518227, 0.556530, 0.589191};
const std::array<double, 8> left1500{8685,     9972.34,  10942.00, 11709.18,
                                     12331.31, 12845.97, 13278.79, 13647.86};

const LoadingCase loadingCases[] = {
    {"LightBodyReachesAllEightLabels",
     {"1500"},
     0.82,
     {1, 2, 3, 4, 5, 6, 7, 8},
     {4, 5, 6, 7, 8},
     psi1500,
     left1500},
    {"LastLoadingBelowSixTenthsIsNotATenth",
     {"1870"},
     0.58,
     {1, 2, 3, 4, 5},
     {4, 5},
     {0.187, 0.334469, 0.429823, 0.501277, 0.556816, 0, 0, 0},
     {9103.10, 10769.50, 11846.99, 12654.43, 13282.02, 6990, 6990, 6990}},
    {"DenseBodyMarksNothing",
     {"7000"},
     0.08,
     {},
     {},
     {0, 0, 0, 0, 0, 0, 0, 0},
     {6990, 6990, 6990, 6990, 6990, 6990, 6990, 6990}},
    {"DenserBodyLeavesHigherEntries",
     {"1500", "1850"},
     0.6,
     {1, 2, 3, 4, 5, 6},
     {4, 5, 6},
     {0.185, 0.330596, 0.425552, 0.496914, 0.552506, 0.597034, 0.556530, 0.589191},
     {9080.5, 10725.74, 11798.73, 12605.13, 13233.32, 13736.49, 13278.79, 13647.86}},
    {"DenseBodyLeavesEveryEntryAndLabel",
     {"1850", "7000"},
     0.08,
     {},
     {},
     {0.185, 0.330596, 0.425552, 0.496914, 0.552506, 0.597034, 0, 0},
     {9080.5, 10725.74, 11798.73, 12605.13, 13233.32, 13736.49, 6990, 6990}},
};

class DiffusivityLoadings : public ::testing::TestWithParam<LoadingCase>
{
};

TEST_P(DiffusivityLoadings, Labels)
{
    const LoadingCase &c = GetParam();
    LoadingScale scale; // one for the whole run, as the window keeps it
    RecordingSurface surface{{6000, 4000}};
    RecordingLabels labels;
    for (const std::string &density : c.densities) {
        surface = RecordingSurface{{6000, 4000}};
        labels = RecordingLabels{};
        InputTexts texts;
        texts.rhoSE = density;
        drawDiffusivityChart(modelFor(texts), scale, surface, labels);
    }

    EXPECT_EQ(scale.XlastPlotted, c.XlastPlotted);
    for (int k = 1; k <= 8; ++k)
        EXPECT_NEAR(scale.psiMarks[k], c.psiMarks[k - 1], 5e-7) << "psiMarks " << k;

    std::vector<int> marked;
    for (const SurfaceOperation &line : surface.lines()) {
        if (line.colour == colours::blue) {
            for (int k = 1; k <= 8; ++k) {
                if (std::abs(line.x1 - 10000 * c.psiMarks[k - 1]) < 0.01)
                    marked.push_back(k);
            }
        }
    }
    EXPECT_EQ(marked, c.marksInLast);

    EXPECT_EQ(labels.shown(), c.shownInLast);
    const auto moves = labels.moves();
    ASSERT_EQ(moves.size(), 8u);
    for (int k = 1; k <= 8; ++k)
        EXPECT_NEAR(moves[k - 1].left, c.left[k - 1], 0.01) << "lbl_n" << k;
}

INSTANTIATE_TEST_SUITE_P(Densities, DiffusivityLoadings, ::testing::ValuesIn(loadingCases),
                         [](const auto &info) { return info.param.name; });

// Initial water loading 0,5: psiSE 0.713310 lies beyond the right edge, so there is no
// segment above it, while the lines below still run to the limit point off the chart.
TEST(DiffusivityChart, LimitBeyondTheEdgeDrawsNoCurveButTheLinesBelow)
{
    InputTexts texts;
    texts.Xanf = "0,5";
    LoadingScale scale;
    RecordingSurface surface{{6000, 4000}};
    RecordingLabels labels;
    drawDiffusivityChart(modelFor(texts), scale, surface, labels);

    const auto lines = surface.lines();
    ASSERT_EQ(lines.size(), 48u + 3u + 3u + 3u); // grid, marks 0.1 ... 0.3, markers, lines below
    EXPECT_NEAR(lines[51].x1, 7133.10, 0.01);    // psiSE marker, not clamped to 6000

    const double startY[] = {5988.51, 8098.44, 5285.20}; // KappaSteig, 10, 6
    const int width[] = {4, 1, 1};
    for (int i = 0; i < 3; ++i) {
        const SurfaceOperation &line = lines[54 + i];
        EXPECT_EQ(line.x1, 100);
        EXPECT_NEAR(line.y1, startY[i], 0.01) << "line " << i;
        EXPECT_NEAR(line.x2, 7133.10, 0.01) << "line " << i;
        EXPECT_NEAR(line.y2, 1065.34, 0.01) << "line " << i;
        EXPECT_EQ(line.width, width[i]) << "line " << i;
    }
    EXPECT_EQ(surface.drawWidth(), 1);
}

} // namespace
} // namespace quelbor
