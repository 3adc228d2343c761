#pragma once

#include "controlgeometry.h"

#include <string_view>
#include <vector>

namespace quelbor {

// One of the window's two charts with everything that belongs to it: its surface, heading,
// axis numbers and captions, notes and pictures, and the rectangle they cover together.
struct ChartArea
{
    std::vector<std::string_view> controls; // in the order of the control table
    TwipsRect source;
};

ChartArea diffusivityChartArea();
ChartArea shrinkageChartArea();

} // namespace quelbor
