#pragma once

#include "dryingmodel.h"
#include "moisturecurves.h"
#include "windowcontrols.h"

#include <functional>
#include <optional>
#include <string>

namespace quelbor {

// "Rechne !": switches the window to the result state, reads the seven inputs, computes the
// model, writes the six results and draws both charts. A fault throws at its step; what was
// shown, written and drawn before it stays.
void pressRechne(WindowControls &window, DryingModel &model, LoadingScale &scale);

// "Nochmal !": hides the results, paints both charts white and returns to the input state.
void pressNochmal(WindowControls &window);

// Runs a button action. An error ends it at its step and comes back as its German report:
// "Laufzeitfehler", its number and a colon, a line break, its text. Nothing when it ran through.
std::optional<std::string> failureReport(const std::function<void()> &action);

} // namespace quelbor
