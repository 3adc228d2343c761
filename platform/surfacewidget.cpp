#include "surfacewidget.h"

#include "lineclipping.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quelbor {

namespace {

QColor toQColor(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

// A coordinate for a box edge: far values are pulled in to just outside the inner area, so a
// box reaching beyond the extent fills up to its edge.
double boxEdge(double pixels, double limit)
{
    return std::clamp(pixels, -1.0, limit + 1.0);
}

} // namespace

SurfaceWidget::SurfaceWidget(LogicalExtent extent, QWidget *parent)
    : QWidget(parent)
    , m_extent(extent)
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceWidget::setDrawWidth(int pixels)
{
    m_drawWidth = pixels;
}

QRect SurfaceWidget::innerRect() const
{
    return rect().adjusted(1, 1, -1, -1);
}

SurfaceMapping SurfaceWidget::mapping() const
{
    return {m_extent, innerRect().size()};
}

void SurfaceWidget::drawLine(float x1, float y1, float x2, float y2, Rgb colour)
{
    const SurfaceMapping map = mapping();
    // Clip a little outside the inner area so that wide lines along an edge keep their inner
    // part; the painter clips the rest to the image.
    const double margin = m_drawWidth + 1.0;
    const QRectF bounds =
        QRectF(QPointF(0, 0), innerRect().size()).adjusted(-margin, -margin, margin, margin);
    const auto clipped = clipLine(QLineF(map.toPixels(x1, y1), map.toPixels(x2, y2)), bounds);
    if (!clipped)
        return;

    QPainter painter(&canvas());
    painter.setPen(QPen(toQColor(colour), m_drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(*clipped);
    update();
}

void SurfaceWidget::fillBox(float x1, float y1, float x2, float y2, Rgb colour)
{
    const SurfaceMapping map = mapping();
    const QSizeF inner = innerRect().size();
    const double left = map.xToPixels(std::min(x1, x2));
    const double right = map.xToPixels(std::max(x1, x2));
    const double top = map.yToPixels(std::min(y1, y2));
    const double bottom = map.yToPixels(std::max(y1, y2));
    if (std::isnan(left) || std::isnan(right) || std::isnan(top) || std::isnan(bottom))
        return;

    const QRectF box(QPointF(boxEdge(left, inner.width()), boxEdge(top, inner.height())),
                     QPointF(boxEdge(right, inner.width()), boxEdge(bottom, inner.height())));
    QPainter painter(&canvas());
    painter.fillRect(box, toQColor(colour));
    update();
}

QImage &SurfaceWidget::canvas()
{
    const qreal ratio = devicePixelRatioF();
    const QSize wanted = (QSizeF(innerRect().size()) * ratio).toSize();
    if (m_image.size() == wanted && m_image.devicePixelRatio() == ratio)
        return m_image;

    // First use, or the surface moved to a screen of another pixel ratio: start blank and
    // keep what was drawn so far.
    QImage image(wanted.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(palette().color(QPalette::Base));
    if (!m_image.isNull()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPointF(0, 0), m_image);
    }
    m_image = image;
    return m_image;
}

void SurfaceWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    // The frame is the whole widget filled and then covered inside, so that it takes every
    // device pixel of its one-pixel ring whatever the pixel ratio: the widget paints all of
    // itself (opaque paint event), and a drawn outline would leave pixels of the ring unset.
    painter.fillRect(rect(), palette().color(QPalette::Text));
    painter.drawImage(innerRect().topLeft(), canvas());
}

void SurfaceWidget::resizeEvent(QResizeEvent *event)
{
    canvas();
    QWidget::resizeEvent(event);
}

} // namespace quelbor
