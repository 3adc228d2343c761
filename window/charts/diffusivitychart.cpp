#include "diffusivitychart.h"

#include "checkedmath.h"
#include "diffusivitygrid.h"
#include "floatstatus.h"
#include "loadinglabelplacement.h"

namespace quelbor {

namespace {

// x = 10000 psi: the 6000 units across are psi 0 ... 0.6.
double xOfPsi(double psi)
{
    return checked::mul(10000, psi);
}

// y = 4000 - 1000 level: level 0 (1e-10 m²/s) is the bottom edge, 4 (1e-6 m²/s) the top one.
double yOfLevel(double level)
{
    return checked::sub(4000, checked::mul(1000, level));
}

// A blue mark from the top down to 6000 at each loading 0.1, 0.2 ... whose water content stays
// below 0.6. The sweep stores psiMarks[k] just before calling here.
void drawLoadingMarks(const DryingModel &model, LoadingScale &scale, DrawingSurface &surface)
{
    sweepLoadings(model, scale, [&surface](int, double psi) {
        surface.setDrawWidth(2);
        const float x = checked::toSingle(xOfPsi(psi));
        surface.drawLine(x, 0, x, 6000, colours::blue);
        surface.setDrawWidth(1);
    });
}

// Limit state and reference state at 0.25 kg/kg in red, measurement state in green, the names
// of the legend under the chart.
void drawStateMarkers(const DryingModel &model, DrawingSurface &surface)
{
    struct Marker
    {
        double psi;
        Rgb colour;
    };
    const Marker markers[] = {
        {model.psiSE, colours::red}, {model.psi25, colours::red}, {model.psiMess, colours::green}};

    surface.setDrawWidth(3);
    for (const Marker &marker : markers) {
        const float x = checked::toSingle(xOfPsi(marker.psi));
        surface.drawLine(x, 0, x, 4000, marker.colour);
    }
}

// One segment per 0.01 of water content from the limit point (psiSE, kappaGrenz) up to 0.6.
void drawCurveAbove(const DryingModel &model, DrawingSurface &surface)
{
    surface.setDrawWidth(4);
    sweepCurveAbove(model, [&surface](double psi, double previousLevel, double currentLevel) {
        const float x1 = checked::toSingle(xOfPsi(checked::sub(psi, 0.01)));
        const float y1 = checked::toSingle(yOfLevel(previousLevel));
        const float x2 = checked::toSingle(xOfPsi(psi));
        const float y2 = checked::toSingle(yOfLevel(currentLevel));
        surface.drawLine(x1, y1, x2, y2, colours::black);
    });
}

// A straight line from psi 0.01 (x 100) to the limit point: below psiSE the diffusivity is
// exponential in psi, so on the decade scale each slope's law is exactly this line. The
// coordinates are rounded without throwing and the status flags tested before drawing, so an
// overflowing coordinate is the floating-point error and never reaches the surface. No input
// reaches that error today: x2 is the psiSE marker's position, already rounded without fault,
// and the levels are logarithms of doubles, within a few hundred. The test stays for a flag
// left set by anything between the markers and these lines.
void drawLineBelow(const DryingModel &model, double startLevel, double limitLevel,
                   DrawingSurface &surface)
{
    const float y1 = checked::toSingleFlagged(yOfLevel(startLevel));
    const float x2 = checked::toSingleFlagged(xOfPsi(model.psiSE));
    const float y2 = checked::toSingleFlagged(yOfLevel(limitLevel));
    testFloatStatus();
    surface.drawLine(100, y1, x2, y2, colours::black);
}

// The entered slope in the curve's width 4, then the thin reference slopes 10 and 6 that the
// input's caption gives as the usual range.
void drawLinesBelow(const DryingModel &model, DrawingSurface &surface)
{
    const LinesBelow levels = sweepLinesBelow(model);
    drawLineBelow(model, levels.levelSteig, levels.limitLevel, surface);
    surface.setDrawWidth(1);
    drawLineBelow(model, levels.level10, levels.limitLevel, surface);
    drawLineBelow(model, levels.level6, levels.limitLevel, surface);
}

} // namespace

void drawDiffusivityChart(const DryingModel &model, LoadingScale &scale, DrawingSurface &surface,
                          LoadingLabels &labels)
{
    // Later lines overdraw earlier ones, so this order is part of the chart's look.
    drawDiffusivityGrid(surface);
    drawLoadingMarks(model, scale, surface);
    showReachedLabels(scale, labels);
    placeLoadingLabels(scale, labels);
    drawStateMarkers(model, surface);
    drawCurveAbove(model, surface);
    drawLinesBelow(model, surface);
}

} // namespace quelbor
