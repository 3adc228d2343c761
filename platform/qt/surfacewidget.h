#pragma once

#include "drawingsurface.h"
#include "recordingsurface.h"
#include "surfacemapping.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <functional>
#include <memory>

namespace quelbor {

// A drawing surface on the window: a one-pixel frame around an inner area in the window's
// background colour, on which lines and boxes are drawn in logical coordinates. What is drawn
// goes into an image that the widget owns, so it stays across every repaint until it is
// painted over; painting only copies that image out. The image has the resolution of the
// screen (device pixel ratio), so the drawing stays sharp on high-DPI screens. Draw widths
// count window pixels (15 twips each).
//
// The surface also keeps every operation since it was last covered whole (the reset's white
// box), and when the window is rendered onto a vector device (PDF, SVG, a printer) it plays
// them again as lines and boxes instead of copying the image, so a report stays sharp at any
// size. Both ways paint each operation with the same code.
class SurfaceWidget : public QWidget, public DrawingSurface
{
    Q_OBJECT

public:
    explicit SurfaceWidget(LogicalExtent extent, QWidget *parent = nullptr);

    LogicalExtent extent() const override { return m_extent; }
    int drawWidth() const override { return m_record.drawWidth(); }
    void setDrawWidth(int pixels) override;
    void drawLine(float x1, float y1, float x2, float y2, Rgb colour) override;
    void fillBox(float x1, float y1, float x2, float y2, Rgb colour) override;

    // Runs `draw` on this surface with one painter held open on the image for all its
    // operations, which it records and paints as one by one: for thousands of lines at once,
    // such as a comparison of many bodies, where a painter for each line would cost more than
    // the lines.
    void drawAtOnce(const std::function<void(DrawingSurface &)> &draw);

    // The inner area, inside the frame, in widget pixels.
    QRect innerRect() const;
    SurfaceMapping mapping() const;
    // What has been drawn, at device resolution.
    const QImage &contents() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage &canvas();
    void paintOnCanvas(const SurfaceOperation &operation);
    // Paints one operation in pixels of the inner area, whose top-left corner is the origin.
    void paintOperation(QPainter &painter, const SurfaceOperation &operation) const;
    void replayOperations(QPainter &painter) const;

    LogicalExtent m_extent;
    RecordingSurface m_record;
    QImage m_image;
    std::unique_ptr<QPainter> m_heldPainter; // during drawAtOnce
};

} // namespace quelbor
