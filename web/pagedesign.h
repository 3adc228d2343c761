#pragma once

#include <string>

namespace quelbor {

// The window as the page builds it, as JSON: the caption, the client size at start and every
// control of the control table with its texts, font, colour, alignment, visibility at start,
// place in the keyboard order, its rectangle both in twips and in CSS pixels, and what a screen
// reader is told of it: the label that names it and its description; then the boxes that
// "Ergebnisse kopieren" copies, in their order.
std::string pageDesignJson();

} // namespace quelbor
