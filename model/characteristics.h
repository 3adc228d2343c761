#pragma once

#include "dryingmodel.h"
#include "inputtexts.h"
#include "inputvalues.h"

namespace quelbor {

// Reads the seven input texts through ParseDecimal in the order rhoSE, Xanf, Xmess, ksiSE,
// kappaMess, thetaMess, KappaSteig and computes the chain of characteristic values, storing
// every field as soon as it is known. A fault throws CalculationError at its step: the fields
// before it hold this calculation's values, the later ones keep the previous calculation's.
// The floating-point status flags are cleared first, so no fault of an earlier calculation
// can trip a status test of this one.
void computeCharacteristics(DryingModel &model, const InputTexts &texts);

// The same calculation from numbers as entered (ksiSE in %, kappaMess in 1e-9 m²/s), for
// callers that vary the inputs, such as the uncertainty's trials: bit for bit what the texts
// that ParseDecimal reads as these numbers give, with the same faults at the same steps.
void computeCharacteristics(DryingModel &model, const InputValues &values);

} // namespace quelbor
