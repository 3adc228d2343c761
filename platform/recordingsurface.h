#pragma once

#include "drawingsurface.h"

#include <vector>

namespace quelbor {

// One call made on a RecordingSurface, with the draw width in force when it was made.
struct SurfaceOperation
{
    enum class Kind { Width, Line, Box };

    Kind kind = Kind::Line;
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    Rgb colour;
    int width = 1; // for Width: the width set; otherwise the width in force

    friend bool operator==(const SurfaceOperation &, const SurfaceOperation &) = default;
};

// A surface that draws nothing and keeps every call in order, for tests and for reporting the
// charts' geometry without a window.
class RecordingSurface : public DrawingSurface
{
public:
    explicit RecordingSurface(LogicalExtent extent)
        : m_extent(extent)
    {}

    LogicalExtent extent() const override { return m_extent; }
    int drawWidth() const override { return m_width; }
    void setDrawWidth(int pixels) override;
    void drawLine(float x1, float y1, float x2, float y2, Rgb colour) override;
    void fillBox(float x1, float y1, float x2, float y2, Rgb colour) override;

    const std::vector<SurfaceOperation> &operations() const { return m_operations; }
    std::vector<SurfaceOperation> lines() const;

private:
    LogicalExtent m_extent;
    int m_width = 1;
    std::vector<SurfaceOperation> m_operations;
};

} // namespace quelbor
