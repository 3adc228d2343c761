#pragma once

#include "inputtexts.h"
#include "uncertaintyrequest.h"

#include <string>

namespace quelbor {

// What one report is asked for: the inputs, whether the charts' operations are added, the
// decimal separator of the six result texts, and the inputs' uncertainties.
struct ReportRequest
{
    InputTexts texts; // inputs not given keep the window's default texts
    bool charts = false;
    std::string decimalSeparator = ",";
    UncertaintyRequest uncertainty;
};

struct CalcOutcome
{
    std::string json;
    int exitStatus = 0; // 0 calculated, 1 calculation error
};

// Runs one calculation as the window's "Rechne !" does and reports every model field, the six
// results as the window shows them, and the water-loading table, as JSON. A calculation error
// is reported in the JSON with the fields as they stand at the fault. When some input has an
// uncertainty and the body was calculated, "uncertainty" is added: the law of propagation
// and Monte Carlo trials (10^6 unless --trials names another number).
CalcOutcome runCalculation(const ReportRequest &request);

} // namespace quelbor
