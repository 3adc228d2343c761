#include "reportpainter.h"

#include "textalignment.h"
#include "twips.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPicture>
#include <QWidget>

#include <algorithm>

namespace quelbor {

namespace {

constexpr double millimetresPerInch = 25.4;
constexpr double ruleWidth = 0.3; // mm

// Texts stand at the top of their boxes, so that a wrapped one starts on the line of its label.
int alignmentFlags(const PageText &text)
{
    const int alignment =
        static_cast<int>((Qt::AlignTop | horizontalAlignment(text.align)).toInt());
    return text.wrap ? alignment | Qt::TextWordWrap : alignment;
}

// The chart's controls as they paint themselves, each in its place relative to the chart's
// top-left corner and in the window's stacking order, recorded in window pixels.
QPicture recordedChart(const PageChart &chart, const QWidget &window)
{
    QPicture picture;
    QPainter recorder(&picture);
    const QPoint origin(twipsToPixels(chart.source.left), twipsToPixels(chart.source.top));
    for (QObject *child : window.children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (!control || !control->isVisibleTo(&window) ||
            std::ranges::find(chart.controls, control->objectName().toStdString()) ==
                chart.controls.end())
            continue;
        control->render(&recorder, control->pos() - origin, QRegion(),
                        QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    recorder.end();
    return picture;
}

class PagePainter
{
public:
    PagePainter(QPainter &painter, const ReportPage &page, const QRectF &target)
        : m_painter(painter)
        , m_scale(std::min(target.width() / page.width, target.height() / page.height))
        , m_origin(target.center() - QPointF(page.width, page.height) * m_scale / 2)
    {}

    QRectF rect(double left, double top, double width, double height) const
    {
        return {m_origin + QPointF(left, top) * m_scale, QSizeF(width, height) * m_scale};
    }

    // A size in points on the page as printed at its own size.
    double points(double size) const
    {
        return size * m_scale * millimetresPerInch / m_painter.device()->logicalDpiY();
    }

    void text(const PageText &text, const QString &family)
    {
        QFont font(family);
        font.setPointSizeF(points(text.points));
        font.setBold(text.bold);
        m_painter.setFont(font);
        m_painter.setPen(Qt::black);
        m_painter.drawText(rect(text.left, text.top, text.width, text.height), alignmentFlags(text),
                           QString::fromStdString(text.text));
    }

    void rule(const PageRule &rule)
    {
        m_painter.setPen(QPen(Qt::black, ruleWidth * m_scale));
        m_painter.drawLine(rect(rule.x1, rule.y1, 0, 0).topLeft(),
                           rect(rule.x2, rule.y2, 0, 0).topLeft());
    }

    // A picture plays back at its own resolution: one of its pixels covers as much of the
    // device as a pixel of the screen it was recorded for.
    void chart(const PageChart &chart, const QWidget &window)
    {
        const QPicture picture = recordedChart(chart, window);
        const QRectF box = rect(chart.left, chart.top, chart.width, chart.height);
        const double devicePixels =
            double(m_painter.device()->logicalDpiX()) / picture.logicalDpiX();
        const double scale = box.width() / (chart.source.width / twipsPerPixel * devicePixels);
        m_painter.save();
        m_painter.translate(box.topLeft());
        m_painter.scale(scale, scale);
        m_painter.drawPicture(0, 0, picture);
        m_painter.restore();
    }

private:
    QPainter &m_painter;
    double m_scale; // device pixels per millimetre
    QPointF m_origin;
};

} // namespace

void paintReport(QPainter &painter, const ReportPage &page, const QWidget &window,
                 const QRectF &target)
{
    PagePainter paint(painter, page, target);
    painter.save();
    painter.fillRect(target, Qt::white);
    for (const PageRule &rule : page.rules)
        paint.rule(rule);
    for (const PageText &text : page.texts)
        paint.text(text, window.font().family());
    for (const PageChart &chart : page.charts)
        paint.chart(chart, window);
    painter.restore();
}

} // namespace quelbor
