#include "surfacemapping.h"

namespace quelbor {

// No surface of the window has an empty extent; the test keeps one that had from dividing by
// zero, and maps everything onto its origin instead.
SurfaceMapping::SurfaceMapping(LogicalExtent extent, QSizeF innerPixels)
    : m_xScale(extent.width > 0 ? innerPixels.width() / extent.width : 0.0)
    , m_yScale(extent.height > 0 ? innerPixels.height() / extent.height : 0.0)
{}

} // namespace quelbor
