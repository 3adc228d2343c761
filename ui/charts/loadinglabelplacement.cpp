#include "loadinglabelplacement.h"

#include "checkedmath.h"

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
    // 6780 twips across the labels match psi 0 ... 0.6 across the chart, and 6990 puts a label
    // over psi 0. With the defaults, loading 0.1 has psi 0.185: 0.185 / 0.6 * 6780 + 6990
    // = 9080.5.
    for (int k = 1; k <= 8; ++k) {
        const double fraction = checked::div(scale.psiMarks[k], 0.6);
        const double left = checked::add(checked::mul(fraction, 6780), 6990);
        labels.setLabelLeft(k, checked::toSingle(left));
    }
}

} // namespace quelbor
