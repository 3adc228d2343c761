#pragma once

#include "calculationjson.h"
#include "uncertaintyevaluation.h"

namespace quelbor {

// "uncertainty": the inputs with their standard uncertainties, each result by the law of
// propagation ("gum") and, when trials ran, by Monte Carlo with the comparison of the two
// ("agree", and a "note" where they disagree), the trials, the failed ones by error, the seed.
// The shape is documented in the README (quelbor-calc, "Measurement uncertainty").
Json uncertaintyJson(const UncertaintyEvaluation &evaluation);

} // namespace quelbor
