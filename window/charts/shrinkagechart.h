#pragma once

#include "drawingsurface.h"
#include "dryingmodel.h"

#include <functional>

namespace quelbor {

// Draws the linear shrinkage still ahead against the water loading onto a surface of extent
// 4000 x 1500 (x = 10000 X, y = 1500 - 10000 ksi): grid and 40 curve segments, then calls
// refreshWindow as the last step. A fault throws CalculationError at once; what was drawn
// before it stays.
void drawShrinkageChart(const DryingModel &model, DrawingSurface &surface,
                        const std::function<void()> &refreshWindow);

} // namespace quelbor
