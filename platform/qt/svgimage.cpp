#include "svgimage.h"

#include "svgpixmap.h"
#include "vectorpainting.h"

#include <QPainter>
#include <QSvgRenderer>

namespace quelbor {

SvgImage::SvgImage(const QString &path, QSize size, QWidget *parent)
    : QLabel(parent)
    , m_path(path)
{
    setPixmap(svgPixmap(path, size, parent ? parent->devicePixelRatioF() : 1.0));
}

void SvgImage::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!keepsVectors(painter)) {
        painter.end();
        QLabel::paintEvent(event);
        return;
    }
    QSvgRenderer renderer(m_path);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixmap().deviceIndependentSize())));
}

} // namespace quelbor
