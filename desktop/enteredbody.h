#pragma once

#include "inputtexts.h"
#include "modeloutputs.h"

#include <QString>

#include <array>
#include <vector>

namespace quelbor {

class QuelborWindow;

// One numeric input as the main window shows it.
struct EnteredInput
{
    std::size_t field; // index into inputValueFields
    QString caption;   // the label beside its box
    QString text;      // as typed
};

// What the uncertainty window takes from the main window when it is opened: the seven inputs
// in the order the window shows them from top to bottom (so the two measurement captions
// follow the diffusivity's, which they continue), the captions of the six results, and the
// decimal separator the results are written with.
struct EnteredBody
{
    std::vector<EnteredInput> inputs;
    std::array<QString, outputCount> resultCaptions;
    QString decimalSeparator;
    InputTexts texts; // the same texts, for the calculation
};

EnteredBody enteredBody(const QuelborWindow &window);

} // namespace quelbor
