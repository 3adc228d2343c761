#pragma once

#include "calculationerror.h"
#include "dryingmodel.h"
#include "moisturecurves.h"
#include "windowcontrols.h"

#include <string>

namespace quelbor {

// "Rechne !": switches the window to the result state, reads the seven inputs, computes the
// model, writes the six results and draws both charts. A fault throws at its step; what was
// shown, written and drawn before it stays.
void pressRechne(WindowControls &window, DryingModel &model, LoadingScale &scale);

// "Nochmal !": hides the results, paints both charts white and returns to the input state.
void pressNochmal(WindowControls &window);

// The German report of an error that ended "Rechne !": its number, a line break, its text.
std::string errorReport(const CalculationError &error);

} // namespace quelbor
