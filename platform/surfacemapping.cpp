#include "surfacemapping.h"

namespace quelbor {

SurfaceMapping::SurfaceMapping(LogicalExtent extent, QSizeF innerPixels)
    : m_xScale(extent.width > 0 ? innerPixels.width() / extent.width : 0.0)
    , m_yScale(extent.height > 0 ? innerPixels.height() / extent.height : 0.0)
{}

} // namespace quelbor
