#pragma once

#include <QSize>

class QWidget;

namespace quelbor {

// The frame around a top-level window's client area (borders and caption bar), in pixels, as
// the window system reports it. Where it reports none (not shown yet, no window manager, no
// screen) a standard window's frame is assumed: 135 twips across and 465 twips down.
QSize windowFrame(const QWidget &window);

// Outer sizes of a top-level window in twips, frame included. Setting one changes the client
// area by the same amount and keeps the other dimension.
void setOuterWidthTwips(QWidget &window, int twips);
void setOuterHeightTwips(QWidget &window, int twips);
QSize outerSizeTwips(const QWidget &window);

} // namespace quelbor
