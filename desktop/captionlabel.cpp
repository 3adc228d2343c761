#include "captionlabel.h"

#include "vectorpainting.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace quelbor {

CaptionLabel::CaptionLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

void CaptionLabel::paintEvent(QPaintEvent *event)
{
    if (keepsVectors(QPainter(this))) {
        QLabel::paintEvent(event);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (m_stale || m_pictured != text() || m_picture.deviceIndependentSize() != QSizeF(size()) ||
        m_picture.devicePixelRatio() != ratio) {
        m_picture = QPixmap((QSizeF(size()) * ratio).toSize());
        m_picture.setDevicePixelRatio(ratio);
        m_picture.fill(palette().color(backgroundRole()));
        QPainter painter(&m_picture);
        painter.setFont(font());
        // What QLabel draws for a plain text without margin or indent.
        const auto flags =
            static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment()).toInt());
        style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(),
                              foregroundRole());
        m_pictured = text();
        m_stale = false;
    }
    QPainter(this).drawPixmap(0, 0, m_picture);
}

void CaptionLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::EnabledChange || event->type() == QEvent::StyleChange)
        m_stale = true;
    QLabel::changeEvent(event);
}

} // namespace quelbor
