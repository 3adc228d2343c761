#pragma once

#include "comparedbody.h"
#include "overlayaxes.h"
#include "overlaychart.h"

#include <QWidget>

#include <span>
#include <vector>

namespace quelbor {

class SurfaceWidget;

// One chart of the comparison: its title, the surface with every shown body drawn by the
// toolkit-free overlay (made anew when the common axes change their extent), the scales' captions
// and titles as the main window puts them, and the legend of the bodies' names in their colours to
// the right. Painted with QPainter, so in a PDF or SVG of the window the texts stay text and the
// lines lines.
class OverlayChartPanel : public QWidget
{
    Q_OBJECT

public:
    using Axes = OverlayAxes (*)(std::span<const ComparedBody>);
    using Draw = void (*)(std::span<const ComparedBody>, const OverlayAxes &, DrawingSurface &);

    OverlayChartPanel(Axes axes, Draw draw, const QString &objectName, QWidget *parent = nullptr);

    void showBodies(std::span<const ComparedBody> bodies);
    SurfaceWidget &surface() const { return *m_surface; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRect chartRect() const;
    void paintLegend(QPainter &painter, const QRect &area) const;

    Axes m_axesOf;
    Draw m_draw;
    OverlayAxes m_axes;
    SurfaceWidget *m_surface;
    std::vector<LegendEntry> m_legend;
};

} // namespace quelbor
