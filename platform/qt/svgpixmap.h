#pragma once

#include <QPixmap>
#include <QSize>

class QString;

namespace quelbor {

// Renders an SVG image (a file or a resource such as ":/images/Picture1.svg") into a pixmap
// of the given size in window pixels at the given device pixel ratio, so that it stays sharp
// on high-DPI screens. A null pixmap when the image cannot be read.
QPixmap svgPixmap(const QString &path, QSize size, qreal devicePixelRatio);

} // namespace quelbor
