#pragma once

#include "comparedbody.h"
#include "drawingsurface.h"
#include "overlayaxes.h"
#include "rgb.h"

#include <span>
#include <string>
#include <vector>

namespace quelbor {

// Both charts with every shown body on them, on common axes (overlayaxes.h) and a surface of
// their extent: the surface painted white, the chart's grid, then the marks of all bodies and
// over them all their curves, each body's lines exactly as the window's chart draws them for
// it (places, widths, order), moved down by the axes' shift, in the body's colour: its curve
// and limit-state marker in its palette colour, its other marks in a lighter tint of it. The
// vertical marks that span the window's chart span the common axes. A body whose calculation
// failed has no lines.
void drawDiffusivityOverlay(std::span<const ComparedBody> bodies, const OverlayAxes &axes,
                            DrawingSurface &surface);
void drawShrinkageOverlay(std::span<const ComparedBody> bodies, const OverlayAxes &axes,
                          DrawingSurface &surface);

// The colour a line of the body is drawn in.
Rgb overlayColour(const ComparedBody &body, LineRole role);

// One entry of the charts' legend: a shown body with lines, in the order of the list.
struct LegendEntry
{
    std::string name;
    Rgb colour;
};

std::vector<LegendEntry> overlayLegend(std::span<const ComparedBody> bodies);

} // namespace quelbor
