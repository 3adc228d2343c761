#include "lineclipping.h"

#include <array>
#include <cmath>

namespace quelbor {

namespace {

// One side of the bounds: the points kept satisfy p * t <= q for the parameter t of the point
// (x1 + t dx, y1 + t dy). A point clipped at a side takes the side's coordinate exactly, so
// that an axis-parallel segment with far-away ends keeps exact coordinates.
struct Side
{
    double p;
    double q;
    bool vertical; // a left or right side: fixes x
    double coordinate;
};

struct ClipEnd
{
    double t;
    const Side *side = nullptr;
};

QPointF pointAt(const ClipEnd &end, const QLineF &line, double dx, double dy)
{
    QPointF point(line.x1() + end.t * dx, line.y1() + end.t * dy);
    if (end.side && end.side->vertical)
        point.setX(end.side->coordinate);
    else if (end.side)
        point.setY(end.side->coordinate);
    return point;
}

} // namespace

std::optional<QLineF> clipLine(const QLineF &line, const QRectF &bounds)
{
    const double x1 = line.x1();
    const double y1 = line.y1();
    const double dx = line.x2() - x1;
    const double dy = line.y2() - y1;
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(dx) || !std::isfinite(dy))
        return std::nullopt;

    const std::array<Side, 4> sides{{
        {-dx, x1 - bounds.left(), true, bounds.left()},
        {dx, bounds.right() - x1, true, bounds.right()},
        {-dy, y1 - bounds.top(), false, bounds.top()},
        {dy, bounds.bottom() - y1, false, bounds.bottom()},
    }};
    ClipEnd enter{0.0};
    ClipEnd leave{1.0};
    for (const Side &side : sides) {
        if (side.p == 0.0) {
            if (side.q < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = side.q / side.p;
        if (side.p < 0.0 && t > enter.t)
            enter = {t, &side};
        else if (side.p > 0.0 && t < leave.t)
            leave = {t, &side};
    }
    if (enter.t > leave.t)
        return std::nullopt;
    return QLineF(pointAt(enter, line, dx, dy), pointAt(leave, line, dx, dy));
}

} // namespace quelbor
