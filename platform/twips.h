#pragma once

#include <cmath>

namespace quelbor {

// The window is laid out in twips (1/1440 inch); at 96 dots per inch 15 twips make one
// device-independent pixel. Every conversion rounds half away from zero, so a position and a
// size given in twips always land on the same pixels.
inline constexpr int twipsPerPixel = 15;

inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

inline double pixelsToTwips(int pixels)
{
    return static_cast<double>(pixels) * twipsPerPixel;
}

} // namespace quelbor
