#pragma once

#include "drawingsurface.h"

namespace quelbor {

// A surface that keeps its extent and draw width and lets every drawing operation go: for
// calculations that must run the charts (a chart can end a calculation with an error) but
// show them nowhere, such as a batch of thousands of samples.
class DiscardingSurface : public DrawingSurface
{
public:
    explicit DiscardingSurface(LogicalExtent extent)
        : m_extent(extent)
    {}

    LogicalExtent extent() const override { return m_extent; }
    int drawWidth() const override { return m_width; }
    void setDrawWidth(int pixels) override { m_width = pixels; }
    void drawLine(float, float, float, float, Rgb) override {}
    void fillBox(float, float, float, float, Rgb) override {}

private:
    LogicalExtent m_extent;
    int m_width = 1;
};

} // namespace quelbor
