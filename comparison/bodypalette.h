#pragma once

#include "rgb.h"

#include <array>
#include <cstddef>

namespace quelbor {

// The colours of the compared bodies: the palette of Okabe and Ito, whose colours readers with
// any of the common colour-vision deficiencies tell apart, without its black, which the charts'
// grid uses; the darker colours first, as they stand out on white best.
inline constexpr std::array<Rgb, 7> bodyPalette{{
    {0, 114, 178},   // blue
    {213, 94, 0},    // vermillion
    {0, 158, 115},   // bluish green
    {204, 121, 167}, // reddish purple
    {230, 159, 0},   // orange
    {86, 180, 233},  // sky blue
    {240, 228, 66},  // yellow
}};

// The colour of a body's secondary marks: its own colour mixed with `whiteShare` parts of
// white in 100, so that its curve stands out in front of them.
Rgb lighterTint(Rgb colour, int whiteShare = 60);

} // namespace quelbor
