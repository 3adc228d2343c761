#include "loadinglabelplacement.h"

#include "checkedmath.h"

#include <algorithm>
#include <limits>

namespace quelbor {

namespace {

struct ReachedLoading
{
    int labelIndex;
    double loading;
};

// Five independent tests: XlastPlotted need not be a multiple of 0.1 (0.58 shows lbl_n4 and
// lbl_n5 but not lbl_n6), and 0.6 reached as 60 / 100 equals the literal 0.6 exactly.
constexpr ReachedLoading reachedLoadings[] = {{4, 0.4}, {5, 0.5}, {6, 0.6}, {7, 0.7}, {8, 0.8}};

// Below this water content a label lies beyond the single-precision range, left of the chart.
constexpr double farLeftPsi = -1e35;

// 6780 twips across the labels match psi 0 ... 0.6 across the chart, and 6990 puts a label
// over psi 0. With the defaults, loading 0.1 has psi 0.185: 0.185 / 0.6 * 6780 + 6990
// = 9080.5. A position beyond the single-precision range, from a body with a hugely negative
// water content, is held at the farthest left a single reaches: the label is out of sight
// either way, and its entry outlives the calculation, so an overflow here would also end every
// later calculation that does not overwrite that entry, one with the defaults included.
float labelLeft(double psi)
{
    const double fraction = checked::div(std::max(psi, farLeftPsi), 0.6);
    const double left = checked::add(checked::mul(fraction, 6780), 6990);
    constexpr double farthestLeft = std::numeric_limits<float>::lowest();
    return checked::toSingle(std::max(left, farthestLeft));
}

} // namespace

void showReachedLabels(const LoadingScale &scale, LoadingLabels &labels)
{
    for (const ReachedLoading &reached : reachedLoadings) {
        if (scale.XlastPlotted >= reached.loading)
            labels.showLabel(reached.labelIndex);
    }
}

void placeLoadingLabels(const LoadingScale &scale, LoadingLabels &labels)
{
    for (int k = 1; k <= 8; ++k)
        labels.setLabelLeft(k, labelLeft(scale.psiMarks[k]));
}

} // namespace quelbor
