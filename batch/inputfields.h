#pragma once

#include "inputtexts.h"

#include <array>
#include <string>

namespace quelbor {

// The seven numeric inputs by the name of their model field, in the order the calculation
// reads them: options of quelbor-calc and columns of a batch table are named after them.
struct InputField
{
    const char *name;
    std::string InputTexts::*text;
    const char *description;
};

inline const std::array<InputField, 7> inputFields{{
    {"rhoSE", &InputTexts::rhoSE, "density of the dried body in kg/m3"},
    {"Xanf", &InputTexts::Xanf, "initial water loading in kg/kg"},
    {"Xmess", &InputTexts::Xmess, "water loading of the diffusivity measurement"},
    {"ksiSE", &InputTexts::ksiSE, "linear drying shrinkage in %"},
    {"kappaMess", &InputTexts::kappaMess, "measured diffusivity in 1e-9 m2/s"},
    {"thetaMess", &InputTexts::thetaMess, "temperature of the measurement in degC"},
    {"KappaSteig", &InputTexts::KappaSteig, "slope of log10 kappa below the limit moisture"},
}};

} // namespace quelbor
