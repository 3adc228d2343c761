#include "curvebandchart.h"

#include "uncertaintyfigures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace quelbor {

namespace {

constexpr double psiRange = 0.6;
constexpr int decades = 4;            // 1e-10 … 1e-6 m²/s
constexpr double lowestLevel = -10.0; // log10 of the bottom edge
const QColor bandColour(150, 190, 235);

const char *const decadeLabels[decades + 1] = {"10⁻¹⁰", "10⁻⁹", "10⁻⁸", "10⁻⁷", "10⁻⁶"};

// Decades above the bottom edge; a diffusivity of 0 or less lies below the chart.
double levelOf(double kappa)
{
    return kappa > 0 ? std::log10(kappa) - lowestLevel : -1.0;
}

} // namespace

CurveBandChart::CurveBandChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pic_KappaBand"));
    setAccessibleName(QStringLiteral("Diagramm: Feuchteleitkoeffizient bei 25 °C über dem "
                                     "volumetrischen Wassergehalt, logarithmisch, mit "
                                     "95-%-Band"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CurveBandChart::setBand(const CurveBand &band, const QString &separator)
{
    m_band = band;
    m_separator = separator;
    update();
}

void CurveBandChart::clear()
{
    m_band.reset();
    update();
}

QSize CurveBandChart::sizeHint() const
{
    return {420, 300};
}

QRect CurveBandChart::plotArea() const
{
    const QFontMetrics metrics = fontMetrics();
    const int left = metrics.horizontalAdvance(QStringLiteral("10⁻¹⁰")) + 10;
    const int top = 2 * metrics.height() + 6;
    const int bottom = 2 * metrics.height() + 8;
    return {left, top, std::max(10, width() - left - 12), std::max(10, height() - top - bottom)};
}

QPointF CurveBandChart::pointAt(const QRect &area, double psi, double kappa) const
{
    return {area.left() + area.width() * psi / psiRange,
            area.bottom() - area.height() * levelOf(kappa) / decades};
}

void CurveBandChart::drawAxes(QPainter &painter, const QRect &area) const
{
    const QFontMetrics metrics = fontMetrics();
    painter.setPen(QColor(210, 210, 210));
    for (int d = 0; d <= decades; ++d) {
        const int y = area.bottom() - area.height() * d / decades;
        painter.drawLine(area.left(), y, area.right(), y);
    }
    for (int tenth = 0; tenth <= 6; ++tenth) {
        const int x = area.left() + area.width() * tenth / 6;
        painter.drawLine(x, area.top(), x, area.bottom());
    }
    painter.setPen(palette().text().color());
    painter.drawRect(area);
    for (int d = 0; d <= decades; ++d) {
        const int y = area.bottom() - area.height() * d / decades;
        painter.drawText(QRect(0, y - metrics.height() / 2, area.left() - 4, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8(decadeLabels[d]));
    }
    for (int tenth = 0; tenth <= 6; ++tenth) {
        const int x = area.left() + area.width() * tenth / 6;
        painter.drawText(QRect(x - 30, area.bottom() + 2, 60, metrics.height()), Qt::AlignCenter,
                         decimalText(tenth / 10.0, 1, m_separator));
    }
    painter.drawText(
        QRect(area.left(), area.bottom() + 2 + metrics.height(), area.width(), metrics.height()),
        Qt::AlignCenter, QStringLiteral("Vol. Wassergehalt in m³/m³"));
}

void CurveBandChart::drawLegend(QPainter &painter, const QRect &area) const
{
    const QFontMetrics metrics = fontMetrics();
    painter.setPen(palette().text().color());
    painter.drawText(QRect(4, 2, width() - 8, metrics.height()), Qt::AlignLeft,
                     QStringLiteral("Feuchteleitkoeffizient bei 25 °C in m²/s"));
    QString legend =
        QStringLiteral("95-%-Band aus %1 Versuchen").arg(m_band ? m_band->trials : curveBandTrials);
    if (m_band && m_band->failed > 0)
        legend += QStringLiteral(" (%1 fehlgeschlagen)").arg(m_band->failed);
    const int y = 2 + metrics.height();
    painter.fillRect(QRect(area.left(), y + 3, 14, metrics.height() - 6), bandColour);
    painter.drawText(QRect(area.left() + 18, y, width() - area.left() - 20, metrics.height()),
                     Qt::AlignLeft, legend);
}

void CurveBandChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QRect area = plotArea();
    drawLegend(painter, area);
    if (m_band && !m_band->band.empty()) {
        painter.save();
        painter.setClipRect(area);
        QPolygonF band;
        for (std::size_t i = 0; i < m_band->psi.size(); ++i)
            band << pointAt(area, m_band->psi[i], m_band->band[i].first);
        for (std::size_t i = m_band->psi.size(); i-- > 0;)
            band << pointAt(area, m_band->psi[i], m_band->band[i].second);
        painter.setPen(Qt::NoPen);
        painter.setBrush(bandColour);
        painter.drawPolygon(band);
        painter.restore();
    }
    drawAxes(painter, area);
    if (m_band) {
        painter.setClipRect(area);
        painter.setRenderHint(QPainter::Antialiasing);
        QPolygonF curve;
        for (std::size_t i = 0; i < m_band->psi.size(); ++i)
            curve << pointAt(area, m_band->psi[i], m_band->kappa[i]);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawPolyline(curve);
    }
}

} // namespace quelbor
