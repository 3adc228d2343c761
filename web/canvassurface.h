#pragma once

#include "controldesign.h"
#include "drawingsurface.h"

#include <string>

namespace quelbor {

// A drawing surface of the page: a canvas inside a one-pixel frame, as large as the surface's
// box in the control table. Logical coordinates are mapped here onto the canvas's CSS pixels,
// each axis scaled on its own as on the window; the page draws at the screen's device pixel
// ratio, and the canvas keeps what was drawn until it is painted over.
class CanvasSurface : public DrawingSurface
{
public:
    explicit CanvasSurface(const ControlDesign &design);
    // A canvas of the page outside the window, of the given size in CSS pixels, no frame.
    CanvasSurface(std::string name, LogicalExtent extent, double widthPixels, double heightPixels);

    LogicalExtent extent() const override { return m_extent; }
    int drawWidth() const override { return m_width; }
    void setDrawWidth(int pixels) override { m_width = pixels; }
    void drawLine(float x1, float y1, float x2, float y2, Rgb colour) override;
    void fillBox(float x1, float y1, float x2, float y2, Rgb colour) override;

private:
    std::string m_name;
    LogicalExtent m_extent;
    double m_xScale;
    double m_yScale;
    int m_width = 1;
};

} // namespace quelbor
