#include "vectorpainting.h"

#include <QPaintEngine>
#include <QPainter>

namespace quelbor {

bool keepsVectors(const QPainter &painter)
{
    switch (painter.paintEngine()->type()) {
    case QPaintEngine::Pdf:
    case QPaintEngine::SVG:
    case QPaintEngine::Picture:
        return true;
    default:
        return false;
    }
}

} // namespace quelbor
