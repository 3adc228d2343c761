#include "shrinkagechart.h"

#include "checkedmath.h"
#include "moisturecurves.h"

namespace quelbor {

namespace {

// Vertical blue lines at X = 0.02 ... 0.38 (x = 10000 X), 2 px at 0.1, 0.2 and 0.3; then grey
// horizontal ones at 14 % ... 1 % (y = 1500 - 10000 s), 2 px at 10 % and 5 %, over the blue.
// None on the edges, which the box's border frames.
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

// y = 1500 - 10000 s: the bottom edge is no shrinkage still ahead, the top edge 15 %.
float yOfShrinkage(double shrinkage)
{
    return checked::toSingle(checked::sub(1500, checked::mul(10000, shrinkage)));
}

} // namespace

void drawShrinkageChart(const DryingModel &model, DrawingSurface &surface,
                        const std::function<void()> &refreshWindow)
{
    drawShrinkageGrid(surface);

    // Up to the shrinkage end the curve lies on the bottom edge in width 5; from the first point
    // above XSE on it is drawn in width 3, including the segment that rises from the edge.
    surface.setDrawWidth(5);
    const auto onPoint = [&model, &surface](int, double X) {
        if (X > model.XSE)
            surface.setDrawWidth(3);
    };
    const auto onSegment = [&surface](int n, double previous, double current) {
        const float y1 = yOfShrinkage(previous);
        const float y2 = yOfShrinkage(current);
        surface.drawLine(100.0f * static_cast<float>(n - 1), y1, 100.0f * static_cast<float>(n), y2,
                         colours::black);
    };
    sweepShrinkage(model, onPoint, onSegment);

    if (refreshWindow)
        refreshWindow();
}

} // namespace quelbor
