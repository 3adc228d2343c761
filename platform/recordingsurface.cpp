#include "recordingsurface.h"

#include <algorithm>
#include <iterator>

namespace quelbor {

void RecordingSurface::setDrawWidth(int pixels)
{
    m_width = pixels;
    m_operations.push_back({SurfaceOperation::Kind::Width, 0, 0, 0, 0, {}, pixels});
}

void RecordingSurface::drawLine(float x1, float y1, float x2, float y2, Rgb colour)
{
    m_operations.push_back({SurfaceOperation::Kind::Line, x1, y1, x2, y2, colour, m_width});
}

void RecordingSurface::fillBox(float x1, float y1, float x2, float y2, Rgb colour)
{
    m_operations.push_back({SurfaceOperation::Kind::Box, x1, y1, x2, y2, colour, m_width});
}

std::vector<SurfaceOperation> RecordingSurface::lines() const
{
    std::vector<SurfaceOperation> result;
    std::copy_if(
        m_operations.begin(), m_operations.end(), std::back_inserter(result),
        [](const SurfaceOperation &op) { return op.kind == SurfaceOperation::Kind::Line; });
    return result;
}

} // namespace quelbor
