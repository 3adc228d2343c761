#pragma once

#include "calculationrecord.h"

namespace quelbor {

// Tells the fuzzer how far a calculation got and how large the numbers it drew were, as
// coverage of its own: per way of ending (finished or each error kind), the number of surface
// operations, label calls and result texts, and the decimal magnitude of the farthest
// coordinate and label position. Branch coverage alone does not see the values, yet the
// faults lie at value ranges (the single-precision limit, a sweep that runs long).
void countOutcome(const CalculationRecord &record);

} // namespace quelbor
