#include "guardedsurface.h"

#include "floatstatus.h"

namespace quelbor {

LogicalExtent GuardedSurface::extent() const
{
    return m_surface.extent();
}

int GuardedSurface::drawWidth() const
{
    return m_surface.drawWidth();
}

void GuardedSurface::setDrawWidth(int pixels)
{
    m_surface.setDrawWidth(pixels);
}

void GuardedSurface::drawLine(float x1, float y1, float x2, float y2, Rgb colour)
{
    const FloatStatusGuard guard;
    m_surface.drawLine(x1, y1, x2, y2, colour);
}

void GuardedSurface::fillBox(float x1, float y1, float x2, float y2, Rgb colour)
{
    const FloatStatusGuard guard;
    m_surface.fillBox(x1, y1, x2, y2, colour);
}

} // namespace quelbor
