#pragma once

#include "inputtexts.h"
#include "recordingsurface.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quelbor {

// What a line of a body's chart stands for in a comparison: the curve, the limit-state
// marker, or one of the other marks (water-loading marks, reference and measurement markers).
enum class LineRole { Curve, LimitMarker, Mark };

struct BodyLine
{
    SurfaceOperation line; // a Line with the width in force when it was drawn
    LineRole role;
};

// One body of a comparison: its name, the seven input texts, and what one "Rechne !" of the
// window made of them: the six result texts with a decimal comma (fewer when it failed), the
// error report, and every line of both charts after their grid, in the order drawn.
struct ComparedBody
{
    std::string name;
    InputTexts texts;
    std::vector<std::string> results;
    std::string error;      // empty, "Laufzeitfehler N: …", or why the row could not be read
    bool calculated = true; // false for a row of a table that could not be read
    bool shown = true;      // in the charts
    std::size_t colour = 0; // index into bodyPalette
    std::vector<BodyLine> kappaLines;
    std::vector<BodyLine> schwindungLines;
};

// The body as the window calculates it on a press of "Rechne !": the same press, results and
// chart operations.
ComparedBody calculateBody(std::string name, const InputTexts &texts);

// A body of a table's row that could not be read: its name, no input texts (none were read,
// and a saved table must not give the row texts it never had), and why.
ComparedBody unreadBody(std::string name, std::string error);

// The operations of each chart's grid, which every body's chart starts with.
const std::vector<SurfaceOperation> &diffusivityGridOperations();
const std::vector<SurfaceOperation> &shrinkageGridOperations();

} // namespace quelbor
