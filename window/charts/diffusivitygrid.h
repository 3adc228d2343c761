#pragma once

#include "drawingsurface.h"

namespace quelbor {

// Grid of the diffusivity chart (extent 6000 x 4000): 29 grey vertical lines every 0.02 of
// water content and 19 black horizontal lines for the decades and their 2, 4, 6 and 8 steps.
// Leaves the draw width at 1. With more decades than the window's four, on a surface 1000 a
// decade high, the same lines continue downward, every decade with its line and steps.
void drawDiffusivityGrid(DrawingSurface &surface, int decades = 4);

} // namespace quelbor
