#pragma once

#include <algorithm>
#include <cmath>

namespace quelbor {

// The window is laid out in twips (1/1440 inch); at 96 dots per inch 15 twips make one
// device-independent pixel. Every conversion rounds half away from zero, so a position and a
// size given in twips always land on the same pixels.
inline constexpr int twipsPerPixel = 15;

// A widget can lie at most this many pixels from the origin: its coordinate and its size must
// add up without leaving int.
inline constexpr double farthestPixels = 16777215;

// A position beyond that, such as a label far left of a chart, is held there: out of sight
// as it should be, where the bare rounding would wrap it round to a place on the window.
inline int twipsToPixels(double twips)
{
    const double pixels = std::clamp(twips / twipsPerPixel, -farthestPixels, farthestPixels);
    return static_cast<int>(std::lround(pixels));
}

inline double pixelsToTwips(int pixels)
{
    return static_cast<double>(pixels) * twipsPerPixel;
}

} // namespace quelbor
