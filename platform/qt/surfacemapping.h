#pragma once

#include "drawingsurface.h"

#include <QPointF>
#include <QSizeF>

namespace quelbor {

// Maps a surface's logical coordinates onto the pixels of its inner area: (0, 0) lands on the
// top-left inner corner and (extent.width, extent.height) on the bottom-right one, each axis
// scaled on its own.
class SurfaceMapping
{
public:
    SurfaceMapping(LogicalExtent extent, QSizeF innerPixels);

    double xToPixels(double x) const { return x * m_xScale; }
    double yToPixels(double y) const { return y * m_yScale; }
    QPointF toPixels(double x, double y) const { return {xToPixels(x), yToPixels(y)}; }

    double pixelsPerUnitX() const { return m_xScale; }
    double pixelsPerUnitY() const { return m_yScale; }

private:
    double m_xScale;
    double m_yScale;
};

} // namespace quelbor
