#include "controlgeometry.h"

#include "twips.h"

#include <algorithm>

namespace quelbor {

TwipsRect controlRect(const ControlDesign &design)
{
    if (design.kind != ControlKind::Line)
        return {static_cast<double>(design.left), static_cast<double>(design.top),
                static_cast<double>(design.width), static_cast<double>(design.height)};

    constexpr double halfWidth = twipsPerPixel; // half of 2 pixels
    const double left = std::min(design.left, design.width);
    const double right = std::max(design.left, design.width);
    const double top = std::min(design.top, design.height);
    const double bottom = std::max(design.top, design.height);
    if (left == right)
        return {left - halfWidth, top, 2 * halfWidth, bottom - top};
    return {left, top - halfWidth, right - left, 2 * halfWidth};
}

} // namespace quelbor
