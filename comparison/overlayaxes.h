#pragma once

#include "comparedbody.h"
#include "drawingsurface.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quelbor {

// A caption of a scale at a place of the chart's logical extent (x for the horizontal scale,
// y for the vertical one).
struct AxisTick
{
    float position;
    std::string text;
};

// The axes of a chart of the comparison: the window's axes, the diffusivity's grown by whole
// decades above and below until they hold every shown body's curve (at most
// mostExtraDecades each way; what lies beyond is clipped as in the window). `shift` is added to
// each y of the window's chart; the captions are those the window shows around the chart.
struct OverlayAxes
{
    LogicalExtent extent;
    float shift = 0;
    int decades = 0; // of the diffusivity chart
    std::string_view title;
    std::string_view horizontalTitle;
    std::string_view verticalTitle;
    std::vector<AxisTick> horizontalTicks;
    std::vector<AxisTick> verticalTicks;
};

inline constexpr int mostExtraDecades = 6;

OverlayAxes diffusivityAxes(std::span<const ComparedBody> bodies);
OverlayAxes shrinkageAxes(std::span<const ComparedBody> bodies);

} // namespace quelbor
