#pragma once

#include <QLineF>
#include <QRectF>

#include <optional>

namespace quelbor {

// The part of a segment that lies inside bounds (Liang-Barsky), or nothing when the segment
// misses them or has a coordinate that is not finite. Keeps coordinates far beyond a surface
// out of the rasteriser, which handles only moderate values reliably.
std::optional<QLineF> clipLine(const QLineF &line, const QRectF &bounds);

} // namespace quelbor
