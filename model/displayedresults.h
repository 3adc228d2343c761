#pragma once

#include "dryingmodel.h"

#include <array>

namespace quelbor {

// One of the six results the window shows: the text box it goes to, the value in the unit of
// the box's caption, and the number of decimals of its pattern ("#0.000" or "#0.0").
struct DisplayedResult
{
    const char *box;
    double value;
    int decimals;
};

// The six results in the order they are written.
std::array<DisplayedResult, 6> displayedResults(const DryingModel &model);

} // namespace quelbor
