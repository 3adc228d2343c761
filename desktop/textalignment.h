#pragma once

#include "controldesign.h"

#include <Qt>

namespace quelbor {

// The Qt alignment of a text laid out left, centred or right, in the window and in the report.
inline Qt::Alignment horizontalAlignment(TextAlign align)
{
    switch (align) {
    case TextAlign::Centre:
        return Qt::AlignHCenter;
    case TextAlign::Right:
        return Qt::AlignRight;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace quelbor
