#pragma once

#include "uncertaintyevaluation.h"

#include <string>
#include <string_view>
#include <vector>

namespace quelbor {

// A result's row in the report's uncertainty section, as the uncertainty window writes it.
struct UncertaintyRow
{
    std::string caption;
    std::string u;        // by the law of propagation
    std::string expanded; // U, k = 2
    std::string interval; // the symmetric 95 % interval of the trials, "–" without them
    std::string unit;
};

// The uncertainty section of a lab report: the column headings, the six results in the
// window's order under its captions, each uncertain input as "u(rhoSE) = 20 kg/m³ (normal)",
// how the trials ran, and the failed trials and the faults of the law of propagation if any.
struct ReportUncertainty
{
    UncertaintyRow headings;
    std::vector<UncertaintyRow> rows;
    std::vector<std::string> inputs;
    std::string trials;
    std::vector<std::string> faults;
};

ReportUncertainty reportUncertainty(const UncertaintyEvaluation &evaluation,
                                    std::string_view separator);

} // namespace quelbor
