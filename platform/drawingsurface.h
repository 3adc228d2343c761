#pragma once

#include "rgb.h"

namespace quelbor {

// Size of a surface's logical coordinate system: (0, 0) is the top-left inner corner, x grows
// to the right and y downward up to (width, height).
struct LogicalExtent
{
    float width = 0;
    float height = 0;

    friend bool operator==(const LogicalExtent &, const LogicalExtent &) = default;
};

// A rectangle that the charts draw on in logical coordinates. What falls outside the extent is
// clipped without error, and the contents stay until they are painted over. The draw width,
// in device pixels, holds for every later line until it is set again.
class DrawingSurface
{
public:
    virtual ~DrawingSurface() = default;

    virtual LogicalExtent extent() const = 0;
    virtual int drawWidth() const = 0;
    virtual void setDrawWidth(int pixels) = 0;
    virtual void drawLine(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    // Fills the rectangle with the two points as opposite corners.
    virtual void fillBox(float x1, float y1, float x2, float y2, Rgb colour) = 0;
};

} // namespace quelbor
