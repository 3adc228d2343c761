#include "shrinkagechart.h"

#include "checkedmath.h"
#include "moisturecurves.h"
#include "shrinkagegrid.h"

namespace quelbor {

namespace {

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
