#pragma once

#include "calculationrecord.h"
#include "dryingmodel.h"
#include "inputtexts.h"
#include "moisturecurves.h"

#include <string>
#include <utility>

namespace quelbor {

// The calculation as the main window runs it, without the toolkit: the model and the
// water-loading scale live as long as this object, as they live as long as the window, and
// each press starts on blank chart surfaces, as after "Nochmal !".
class WindowCalculation
{
public:
    // Results are written with the given decimal separator, as the window writes them under
    // the regional settings.
    explicit WindowCalculation(std::string decimalSeparator = ",")
        : m_separator(std::move(decimalSeparator))
    {}

    // One press of "Rechne !": the characteristic values, the six result texts, then both
    // charts. A CalculationError ends it at its step and is recorded; any other exception
    // leaves this function.
    CalculationRecord press(const InputTexts &texts);

    const DryingModel &model() const { return m_model; }
    const LoadingScale &scale() const { return m_scale; }

private:
    void calculate(const InputTexts &texts, CalculationRecord &record);

    std::string m_separator;
    DryingModel m_model;
    LoadingScale m_scale;
};

} // namespace quelbor
