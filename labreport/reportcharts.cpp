#include "reportcharts.h"

#include "controltable.h"

#include <algorithm>

namespace quelbor {

namespace {

// The window's part a chart fills, in twips: a control lying wholly inside belongs to it. The
// logo in the top right corner and the separator lines stay out.
struct Zone
{
    double left;
    double top;
    double right;
    double bottom;
};

constexpr Zone diffusivityZone{6000, 100, 14200, 9800};
constexpr Zone shrinkageZone{0, 5700, 5930, 9800};

bool belongs(const ControlDesign &design, const Zone &zone)
{
    if (design.kind != ControlKind::Label && design.kind != ControlKind::Image &&
        design.kind != ControlKind::Surface)
        return false;
    const TwipsRect rect = controlRect(design);
    return rect.left >= zone.left && rect.top >= zone.top && rect.left + rect.width <= zone.right &&
           rect.top + rect.height <= zone.bottom;
}

ChartArea areaOf(const Zone &zone)
{
    ChartArea area;
    double right = zone.left;
    double bottom = zone.top;
    area.source = {zone.right, zone.bottom, 0, 0};
    for (const ControlDesign &design : controlTable()) {
        if (!belongs(design, zone))
            continue;
        area.controls.push_back(design.name);
        const TwipsRect rect = controlRect(design);
        area.source.left = std::min(area.source.left, rect.left);
        area.source.top = std::min(area.source.top, rect.top);
        right = std::max(right, rect.left + rect.width);
        bottom = std::max(bottom, rect.top + rect.height);
    }
    area.source.width = right - area.source.left;
    area.source.height = bottom - area.source.top;
    return area;
}

} // namespace

ChartArea diffusivityChartArea()
{
    return areaOf(diffusivityZone);
}

ChartArea shrinkageChartArea()
{
    return areaOf(shrinkageZone);
}

} // namespace quelbor
