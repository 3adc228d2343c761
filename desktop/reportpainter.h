#pragma once

#include "reportpage.h"

class QPainter;
class QRectF;
class QWidget;

namespace quelbor {

// Paints a report page into the target rectangle of the painter, as large as fits with the
// page's proportions and centred: its texts in the window's font family, its rules, and its
// charts as the window's own controls paint them, recorded as a picture so that they reach a
// PDF, an SVG or a printer as lines and texts.
void paintReport(QPainter &painter, const ReportPage &page, const QWidget &window,
                 const QRectF &target);

} // namespace quelbor
