#pragma once

class QPainter;

namespace quelbor {

// Whether the painter's engine keeps what is drawn as lines, boxes and text rather than
// pixels: a PDF (and with it a printer), an SVG, or a picture recorded for one of them.
// Widgets that paint from a cached image on the screen paint themselves anew onto these.
bool keepsVectors(const QPainter &painter);

} // namespace quelbor
