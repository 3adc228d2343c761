#pragma once

#include "drawingsurface.h"

namespace quelbor {

// Grid of the diffusivity chart (extent 6000 x 4000): 29 grey vertical lines every 0.02 of
// water content and 19 black horizontal lines for the decades and their 2, 4, 6 and 8 steps.
// Leaves the draw width at 1.
void drawDiffusivityGrid(DrawingSurface &surface);

} // namespace quelbor
