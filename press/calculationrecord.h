#pragma once

#include "calculationerror.h"
#include "recordinglabels.h"
#include "recordingsurface.h"

#include <optional>
#include <string>
#include <vector>

namespace quelbor {

// Everything one press of "Rechne !" produced: the result texts written, every call on both
// chart surfaces and on the water-loading labels, and how the calculation ended.
struct CalculationRecord
{
    std::optional<ErrorKind> error; // empty when the calculation finished
    std::vector<std::string> results;
    RecordingSurface kappa{{6000, 4000}};
    RecordingSurface schwindung{{4000, 1500}};
    RecordingLabels labels;
    int windowRefreshes = 0;
};

} // namespace quelbor
