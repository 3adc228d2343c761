#pragma once

#include "controldesign.h"

namespace quelbor {

// A control's outer rectangle in the window's client area, in twips.
struct TwipsRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Where a control stands: its table rectangle, or for a separator line the strip two pixels
// wide centred on the line through its end points.
TwipsRect controlRect(const ControlDesign &design);

} // namespace quelbor
