#pragma once

namespace quelbor {

// The frame of a standard top-level window around its client area (borders and caption bar),
// in twips: what a window's outer size counts beyond its client area where the window system
// reports no frame of its own.
inline constexpr int standardFrameWidthTwips = 135;
inline constexpr int standardFrameHeightTwips = 465;

} // namespace quelbor
