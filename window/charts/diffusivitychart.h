#pragma once

#include "drawingsurface.h"
#include "dryingmodel.h"
#include "loadinglabels.h"
#include "moisturecurves.h"

namespace quelbor {

// Draws the diffusivity at 25 °C against the volumetric water content onto a surface of
// extent 6000 x 4000 (x = 10000 psi, y = 4000 - 1000 (log10 kappa + 10)): grid, water-loading
// marks, label positions and visibility, state markers, and the curve above and below the
// shrinkage end. Fills scale.psiMarks and scale.XlastPlotted as it goes. A fault throws
// CalculationError at once; what was drawn and moved before it stays.
void drawDiffusivityChart(const DryingModel &model, LoadingScale &scale, DrawingSurface &surface,
                          LoadingLabels &labels);

} // namespace quelbor
