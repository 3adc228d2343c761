#pragma once

#include "drawingsurface.h"

namespace quelbor {

// Grid of the shrinkage chart (extent 4000 x 1500): vertical blue lines at X = 0.02 ... 0.38
// (x = 10000 X), 2 px at 0.1, 0.2 and 0.3; then grey horizontal ones at 14 % ... 1 %
// (y = 1500 - 10000 s), 2 px at 10 % and 5 %, over the blue. None on the edges, which the
// box's border frames.
void drawShrinkageGrid(DrawingSurface &surface);

} // namespace quelbor
