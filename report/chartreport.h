#pragma once

#include "calculationjson.h"
#include "calculationrecord.h"

namespace quelbor {

// Adds what one press drew: "labels" with the left edge (twips) and visibility of lbl_n1 ...
// lbl_n8 as the window then shows them, and "surfaces" with every operation on pic_kappa and
// pic_Schwindung in drawing order.
void addCharts(Json &json, const CalculationRecord &record);

} // namespace quelbor
