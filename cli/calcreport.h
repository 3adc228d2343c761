#pragma once

#include "commandline.h"

#include <string>

namespace quelbor {

struct CalcOutcome
{
    std::string json;
    int exitStatus = 0; // 0 calculated, 1 calculation error
};

// Runs one calculation as the window's "Rechne !" does and reports every model field, the six
// results as the window shows them, and the water-loading table, as JSON. A calculation error
// is reported in the JSON with the fields as they stand at the fault.
CalcOutcome runCalculation(const CalcRequest &request);

} // namespace quelbor
