#pragma once

#include "dryingmodel.h"
#include "inputtexts.h"

namespace quelbor {

// Reads the seven input texts through ParseDecimal in the order rhoSE, Xanf, Xmess, ksiSE,
// kappaMess, thetaMess, KappaSteig and computes the chain of characteristic values, storing
// every field as soon as it is known. A fault throws CalculationError at its step: the fields
// before it hold this calculation's values, the later ones keep the previous calculation's.
// The floating-point status flags are cleared first, so no fault of an earlier calculation
// can trip a status test of this one.
void computeCharacteristics(DryingModel &model, const InputTexts &texts);

} // namespace quelbor
