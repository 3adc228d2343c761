#include "shrinkagegrid.h"

namespace quelbor {

void drawShrinkageGrid(DrawingSurface &surface)
{
    for (int i = 2; i <= 38; i += 2) {
        surface.setDrawWidth(i % 10 == 0 ? 2 : 1);
        const float x = 100.0f * static_cast<float>(i);
        surface.drawLine(x, 0, x, 1500, colours::blue);
    }
    for (int j = 1; j <= 14; ++j) {
        surface.setDrawWidth(j % 5 == 0 ? 2 : 1);
        const float y = 100.0f * static_cast<float>(j);
        surface.drawLine(0, y, 4000, y, colours::grey);
    }
}

} // namespace quelbor
