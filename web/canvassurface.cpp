#include "canvassurface.h"

#include "pagebridge.h"
#include "twips.h"

#include <stdexcept>

namespace quelbor {

namespace {

constexpr int framePixels = 1;

// The inner area of a surface's box, inside its frame, in pixels.
double innerPixels(int twips)
{
    return twipsToPixels(twips) - 2 * framePixels;
}

void reportFailure(bool done, const std::string &surface)
{
    if (!done)
        throw std::runtime_error("Zeichenfläche " + surface + " nicht verfügbar");
}

} // namespace

CanvasSurface::CanvasSurface(const ControlDesign &design)
    : CanvasSurface(std::string(design.name), design.extent, innerPixels(design.width),
                    innerPixels(design.height))
{}

CanvasSurface::CanvasSurface(std::string name, LogicalExtent extent, double widthPixels,
                             double heightPixels)
    : m_name(std::move(name))
    , m_extent(extent)
    , m_xScale(widthPixels / extent.width)
    , m_yScale(heightPixels / extent.height)
{}

void CanvasSurface::drawLine(float x1, float y1, float x2, float y2, Rgb colour)
{
    reportFailure(page::drawLine(m_name, x1 * m_xScale, y1 * m_yScale, x2 * m_xScale, y2 * m_yScale,
                                 colour.red, colour.green, colour.blue, m_width),
                  m_name);
}

void CanvasSurface::fillBox(float x1, float y1, float x2, float y2, Rgb colour)
{
    reportFailure(page::fillBox(m_name, x1 * m_xScale, y1 * m_yScale, x2 * m_xScale, y2 * m_yScale,
                                colour.red, colour.green, colour.blue),
                  m_name);
}

} // namespace quelbor
