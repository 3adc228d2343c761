#pragma once

#include <string>

namespace quelbor {

// The window as the page builds it, as JSON: the caption, the client size at start and every
// control of the control table with its texts, font, colour, alignment, visibility at start,
// place in the keyboard order and its rectangle both in twips and in CSS pixels.
std::string pageDesignJson();

} // namespace quelbor
