#pragma once

#include "inputtexts.h"

#include <string>

namespace quelbor {

// What one report is asked for: the inputs, whether the charts' operations are added, and the
// decimal separator of the six result texts.
struct ReportRequest
{
    InputTexts texts; // inputs not given keep the window's default texts
    bool charts = false;
    std::string decimalSeparator = ",";
};

struct CalcOutcome
{
    std::string json;
    int exitStatus = 0; // 0 calculated, 1 calculation error
};

// Runs one calculation as the window's "Rechne !" does and reports every model field, the six
// results as the window shows them, and the water-loading table, as JSON. A calculation error
// is reported in the JSON with the fields as they stand at the fault.
CalcOutcome runCalculation(const ReportRequest &request);

} // namespace quelbor
