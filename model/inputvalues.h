#pragma once

#include "inputtexts.h"

#include <array>

namespace quelbor {

// The seven numeric inputs as numbers in the units they are entered in: ksiSE in %, kappaMess
// in 1e-9 m²/s, the others as the model holds them. The defaults are the window's default
// texts read by ParseDecimal.
struct InputValues
{
    double rhoSE = 1850;
    double Xanf = 0.25;
    double Xmess = 0.185;
    double ksiSE = 6.2;
    double kappaMess = 45;
    double thetaMess = 20.5;
    double KappaSteig = 7;
};

// The inputs by the name of their model field, in the order the calculation reads them.
struct InputValueField
{
    const char *name;
    double InputValues::*value;
};

inline constexpr std::array<InputValueField, 7> inputValueFields{{
    {"rhoSE", &InputValues::rhoSE},
    {"Xanf", &InputValues::Xanf},
    {"Xmess", &InputValues::Xmess},
    {"ksiSE", &InputValues::ksiSE},
    {"kappaMess", &InputValues::kappaMess},
    {"thetaMess", &InputValues::thetaMess},
    {"KappaSteig", &InputValues::KappaSteig},
}};

// Each text through ParseDecimal, in the order above; throws its CalculationError(Overflow).
InputValues enteredValues(const InputTexts &texts);

} // namespace quelbor
