#pragma once

#include "loadinglabels.h"
#include "moisturecurves.h"

namespace quelbor {

// Shows lbl_n4 ... lbl_n8 whose loading 0.4 ... 0.8 the chart reached (XlastPlotted at or
// above it); a label that fails its test is left as it is. lbl_n1 ... lbl_n3 are not touched.
void showReachedLabels(const LoadingScale &scale, LoadingLabels &labels);

// Moves lbl_n1 ... lbl_n8, in this order and hidden ones too, over the marks of psiMarks[1..8].
// An entry never written is 0 and puts its label at 6990 twips; one too far left for a single
// precision position puts it at the farthest left a single reaches.
void placeLoadingLabels(const LoadingScale &scale, LoadingLabels &labels);

} // namespace quelbor
