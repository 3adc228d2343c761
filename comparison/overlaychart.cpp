#include "overlaychart.h"

#include "bodypalette.h"
#include "diffusivitygrid.h"
#include "shrinkagegrid.h"

#include <algorithm>

namespace quelbor {

namespace {

using Lines = std::vector<BodyLine> ComparedBody::*;

void replay(const SurfaceOperation &operation, DrawingSurface &surface)
{
    if (operation.kind == SurfaceOperation::Kind::Width) {
        surface.setDrawWidth(operation.width);
        return;
    }
    if (surface.drawWidth() != operation.width)
        surface.setDrawWidth(operation.width);
    surface.drawLine(operation.x1, operation.y1, operation.x2, operation.y2, operation.colour);
}

// A line of the window's chart on the common axes: moved down by their shift, and a vertical
// mark from the top edge to the window chart's bottom edge or beyond it down to theirs.
SurfaceOperation onAxes(SurfaceOperation line, LineRole role, const OverlayAxes &axes,
                        float windowHeight)
{
    const bool spans =
        role != LineRole::Curve && line.x1 == line.x2 && line.y1 == 0 && line.y2 >= windowHeight;
    line.y1 += axes.shift;
    line.y2 += axes.shift;
    if (spans) {
        line.y1 = 0;
        line.y2 = std::max(line.y2, axes.extent.height);
    }
    return line;
}

// Each body's marks first, then each body's curve, so that no body's marks hide a curve. A
// chart draws its marks before its curve, so one body keeps the window's order.
void drawOverlay(std::span<const ComparedBody> bodies, Lines lines, const OverlayAxes &axes,
                 float windowHeight, DrawingSurface &surface)
{
    for (const bool curves : {false, true}) {
        for (const ComparedBody &body : bodies) {
            if (!body.shown)
                continue;
            for (const BodyLine &line : body.*lines) {
                if ((line.role == LineRole::Curve) != curves)
                    continue;
                SurfaceOperation placed = onAxes(line.line, line.role, axes, windowHeight);
                placed.colour = overlayColour(body, line.role);
                replay(placed, surface);
            }
        }
    }
}

void paintWhite(DrawingSurface &surface)
{
    const LogicalExtent extent = surface.extent();
    surface.fillBox(0, 0, extent.width, extent.height, colours::white);
}

} // namespace

Rgb overlayColour(const ComparedBody &body, LineRole role)
{
    const Rgb colour = bodyPalette[body.colour % bodyPalette.size()];
    return role == LineRole::Mark ? lighterTint(colour) : colour;
}

void drawDiffusivityOverlay(std::span<const ComparedBody> bodies, const OverlayAxes &axes,
                            DrawingSurface &surface)
{
    paintWhite(surface);
    drawDiffusivityGrid(surface, axes.decades);
    drawOverlay(bodies, &ComparedBody::kappaLines, axes, 4000, surface);
}

void drawShrinkageOverlay(std::span<const ComparedBody> bodies, const OverlayAxes &axes,
                          DrawingSurface &surface)
{
    paintWhite(surface);
    drawShrinkageGrid(surface);
    drawOverlay(bodies, &ComparedBody::schwindungLines, axes, 1500, surface);
}

std::vector<LegendEntry> overlayLegend(std::span<const ComparedBody> bodies)
{
    std::vector<LegendEntry> legend;
    for (const ComparedBody &body : bodies) {
        if (body.shown && !body.kappaLines.empty())
            legend.push_back({body.name, overlayColour(body, LineRole::Curve)});
    }
    return legend;
}

} // namespace quelbor
