#include "overlaychartpanel.h"

#include "surfacewidget.h"

#include <QPainter>

namespace quelbor {

namespace {

// Room around the chart, in pixels: its title above, the vertical scale's title and captions
// to the left, the horizontal ones below, the legend to the right.
constexpr int titleHeight = 28;
constexpr int leftRoom = 74;
constexpr int bottomRoom = 46;
constexpr int legendWidth = 190;
constexpr int legendLine = 18;

} // namespace

OverlayChartPanel::OverlayChartPanel(Axes axes, Draw draw, const QString &objectName,
                                     QWidget *parent)
    : QWidget(parent)
    , m_axesOf(axes)
    , m_draw(draw)
    , m_axes(axes({}))
    , m_surface(new SurfaceWidget(m_axes.extent, this))
{
    setObjectName(objectName);
    m_surface->setObjectName(objectName + QStringLiteral("_Diagramm"));
    m_surface->setAccessibleName(QString::fromUtf8(m_axes.title));
    setMinimumSize(leftRoom + legendWidth + 240, titleHeight + bottomRoom + 120);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void OverlayChartPanel::showBodies(std::span<const ComparedBody> bodies)
{
    m_axes = m_axesOf(bodies);
    if (!(m_axes.extent == m_surface->extent())) {
        const QString name = m_surface->objectName();
        delete m_surface;
        m_surface = new SurfaceWidget(m_axes.extent, this);
        m_surface->setObjectName(name);
        m_surface->setAccessibleName(QString::fromUtf8(m_axes.title));
        m_surface->setGeometry(chartRect());
        m_surface->show();
    }
    m_surface->drawAtOnce(
        [this, bodies](DrawingSurface &surface) { m_draw(bodies, m_axes, surface); });
    m_legend = overlayLegend(bodies);
    update();
}

QRect OverlayChartPanel::chartRect() const
{
    return {leftRoom, titleHeight, width() - leftRoom - legendWidth - 8,
            height() - titleHeight - bottomRoom};
}

void OverlayChartPanel::resizeEvent(QResizeEvent *event)
{
    m_surface->setGeometry(chartRect());
    QWidget::resizeEvent(event);
}

void OverlayChartPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect chart = m_surface->geometry();
    const QRect inner = m_surface->innerRect().translated(chart.topLeft());
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);

    painter.drawText(QRect(chart.left(), 0, chart.width(), titleHeight),
                     Qt::AlignCenter | Qt::TextSingleLine, QString::fromUtf8(m_axes.title));
    const QFontMetrics metrics(font);
    for (const AxisTick &tick : m_axes.horizontalTicks) {
        const int x = inner.left() +
                      qRound(double(tick.position) / m_axes.extent.width * double(inner.width()));
        painter.drawText(QRect(x - 30, chart.bottom() + 2, 60, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf8(tick.text));
    }
    painter.drawText(
        QRect(chart.left(), chart.bottom() + 2 + metrics.height(), chart.width(), metrics.height()),
        Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf8(m_axes.horizontalTitle));
    for (const AxisTick &tick : m_axes.verticalTicks) {
        const int y = inner.top() +
                      qRound(double(tick.position) / m_axes.extent.height * double(inner.height()));
        painter.drawText(QRect(chart.left() - 52, y - metrics.height() / 2, 48, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8(tick.text));
    }
    painter.save();
    painter.translate(4 + metrics.height(), chart.center().y());
    painter.rotate(-90);
    painter.drawText(
        QRect(-chart.height() / 2 - 60, -metrics.height(), chart.height() + 120, metrics.height()),
        Qt::AlignCenter, QString::fromUtf8(m_axes.verticalTitle));
    painter.restore();
    paintLegend(painter, QRect(chart.right() + 12, chart.top(), legendWidth - 4, chart.height()));
}

// One line a body, a short stroke of its curve's colour before its name; where they do not
// all fit, the last line says how many more there are.
void OverlayChartPanel::paintLegend(QPainter &painter, const QRect &area) const
{
    const int fitting = std::max(1, area.height() / legendLine);
    const bool cut = int(m_legend.size()) > fitting;
    const int drawn = cut ? fitting - 1 : int(m_legend.size());
    const QFontMetrics metrics(painter.font());
    for (int i = 0; i < drawn; ++i) {
        const LegendEntry &entry = m_legend[std::size_t(i)];
        const int y = area.top() + i * legendLine + legendLine / 2;
        painter.setPen(QPen(QColor(entry.colour.red, entry.colour.green, entry.colour.blue), 4));
        painter.drawLine(area.left(), y, area.left() + 22, y);
        painter.setPen(Qt::black);
        const QString name =
            metrics.elidedText(QString::fromUtf8(entry.name), Qt::ElideRight, area.width() - 28);
        painter.drawText(QRect(area.left() + 28, y - legendLine / 2, area.width() - 28, legendLine),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
    }
    if (cut) {
        painter.setPen(Qt::black);
        painter.drawText(
            QRect(area.left(), area.top() + drawn * legendLine, area.width(), legendLine),
            Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("… und %1 weitere").arg(m_legend.size() - std::size_t(drawn)));
    }
}

} // namespace quelbor
