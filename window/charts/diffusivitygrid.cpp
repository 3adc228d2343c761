#include "diffusivitygrid.h"

namespace quelbor {

namespace {

// Above each decade line, the lines of 2, 4, 6 and 8 times its diffusivity: d is 1000 * log10
// of 2, 4, 6 and 8 to the nearest unit, so 2e-9 m²/s stands at 3000 - 301 = 2699.
constexpr int minorOffsets[] = {301, 602, 778, 903};

void drawVerticalLines(DrawingSurface &surface, float bottom)
{
    // psi = 0.02 ... 0.58; those at 0.1 ... 0.5 are 2 px wide. None on the edges x = 0 and
    // 6000, and they run down to 6000 in the window, past the lower edge, which the surface
    // clips.
    for (int i = 1; i <= 29; ++i) {
        if (i % 5 == 0)
            surface.setDrawWidth(2);
        const float x = 200.0f * static_cast<float>(i);
        surface.drawLine(x, 0, x, bottom, colours::grey);
        surface.setDrawWidth(1);
    }
}

void drawHorizontalLines(DrawingSurface &surface, int decades)
{
    // y = 1000 i is 10^(-6 - i) m²/s; the decade lines 1e-7 ... 1e-9 are 2 px wide, while
    // 1e-6 and 1e-10 are the edges and get no line (i = 4 draws its minor lines only).
    for (int i = 1; i <= decades; ++i) {
        const float decadeY = 1000.0f * static_cast<float>(i);
        surface.setDrawWidth(2);
        if (i < decades)
            surface.drawLine(0, decadeY, 6000, decadeY, colours::black);
        surface.setDrawWidth(1);
        for (const int d : minorOffsets) {
            const float y = decadeY - static_cast<float>(d);
            surface.drawLine(0, y, 6000, y, colours::black);
        }
    }
}

} // namespace

void drawDiffusivityGrid(DrawingSurface &surface, int decades)
{
    surface.setDrawWidth(1);
    drawVerticalLines(surface, 1500.0f * static_cast<float>(decades));
    drawHorizontalLines(surface, decades);
}

} // namespace quelbor
