#pragma once

#include "drawingsurface.h"

namespace quelbor {

// Hands every call on to a surface of the toolkit while keeping the calculation's
// floating-point status flags as they were: painting must not trip a later status test.
class GuardedSurface : public DrawingSurface
{
public:
    explicit GuardedSurface(DrawingSurface &surface)
        : m_surface(surface)
    {}

    LogicalExtent extent() const override;
    int drawWidth() const override;
    void setDrawWidth(int pixels) override;
    void drawLine(float x1, float y1, float x2, float y2, Rgb colour) override;
    void fillBox(float x1, float y1, float x2, float y2, Rgb colour) override;

private:
    DrawingSurface &m_surface;
};

} // namespace quelbor
