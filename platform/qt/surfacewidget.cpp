#include "surfacewidget.h"

#include "lineclipping.h"
#include "vectorpainting.h"

#include <QAccessibleWidget>
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

// Assistive technology reads a surface as a chart rather than an empty pane.
QAccessibleInterface *accessibleChart(const QString &className, QObject *object)
{
    if (className != QLatin1String(SurfaceWidget::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(qobject_cast<QWidget *>(object), QAccessible::Chart);
}

} // namespace

SurfaceWidget::SurfaceWidget(LogicalExtent extent, QWidget *parent)
    : QWidget(parent)
    , m_extent(extent)
    , m_record(extent)
{
    [[maybe_unused]] static const bool chartRoleInstalled = [] {
        QAccessible::installFactory(accessibleChart);
        return true;
    }();
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceWidget::setDrawWidth(int pixels)
{
    m_record.setDrawWidth(pixels);
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
    m_record.drawLine(x1, y1, x2, y2, colour);
    paintOnCanvas(m_record.operations().back());
}

void SurfaceWidget::fillBox(float x1, float y1, float x2, float y2, Rgb colour)
{
    // A box over the whole extent hides everything before it: the record starts afresh, so
    // it holds one calculation's drawing however many follow.
    if (std::min(x1, x2) <= 0 && std::min(y1, y2) <= 0 && std::max(x1, x2) >= m_extent.width &&
        std::max(y1, y2) >= m_extent.height) {
        const int width = m_record.drawWidth();
        m_record = RecordingSurface(m_extent);
        m_record.setDrawWidth(width);
    }
    m_record.fillBox(x1, y1, x2, y2, colour);
    paintOnCanvas(m_record.operations().back());
}

void SurfaceWidget::paintOnCanvas(const SurfaceOperation &operation)
{
    if (m_heldPainter) {
        paintOperation(*m_heldPainter, operation);
        return;
    }
    QPainter painter(&canvas());
    paintOperation(painter, operation);
    update();
}

void SurfaceWidget::drawAtOnce(const std::function<void(DrawingSurface &)> &draw)
{
    m_heldPainter = std::make_unique<QPainter>(&canvas());
    try {
        draw(*this);
    } catch (...) {
        m_heldPainter.reset();
        update();
        throw;
    }
    m_heldPainter.reset();
    update();
}

void SurfaceWidget::paintOperation(QPainter &painter, const SurfaceOperation &operation) const
{
    const SurfaceMapping map = mapping();
    const QSizeF inner = innerRect().size();
    switch (operation.kind) {
    case SurfaceOperation::Kind::Line: {
        // Clip a little outside the inner area so that wide lines along an edge keep their
        // inner part; the painter clips the rest to the inner area.
        const double margin = operation.width + 1.0;
        const QRectF bounds =
            QRectF(QPointF(0, 0), inner).adjusted(-margin, -margin, margin, margin);
        const auto clipped = clipLine(QLineF(map.toPixels(operation.x1, operation.y1),
                                             map.toPixels(operation.x2, operation.y2)),
                                      bounds);
        if (!clipped)
            return;
        painter.setPen(QPen(toQColor(operation.colour), operation.width, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(*clipped);
        return;
    }
    case SurfaceOperation::Kind::Box: {
        const double left = map.xToPixels(std::min(operation.x1, operation.x2));
        const double right = map.xToPixels(std::max(operation.x1, operation.x2));
        const double top = map.yToPixels(std::min(operation.y1, operation.y2));
        const double bottom = map.yToPixels(std::max(operation.y1, operation.y2));
        if (std::isnan(left) || std::isnan(right) || std::isnan(top) || std::isnan(bottom))
            return;
        const QRectF box(QPointF(boxEdge(left, inner.width()), boxEdge(top, inner.height())),
                         QPointF(boxEdge(right, inner.width()), boxEdge(bottom, inner.height())));
        painter.fillRect(box, toQColor(operation.colour));
        return;
    }
    case SurfaceOperation::Kind::Width:
        return;
    }
}

void SurfaceWidget::replayOperations(QPainter &painter) const
{
    const QRect inner = innerRect();
    painter.fillRect(inner, palette().color(QPalette::Base));
    painter.translate(inner.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), inner.size()), Qt::IntersectClip);
    for (const SurfaceOperation &operation : m_record.operations())
        paintOperation(painter, operation);
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
    if (keepsVectors(painter))
        replayOperations(painter);
    else
        painter.drawImage(innerRect().topLeft(), canvas());
}

void SurfaceWidget::resizeEvent(QResizeEvent *event)
{
    canvas();
    QWidget::resizeEvent(event);
}

} // namespace quelbor
