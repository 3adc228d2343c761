#pragma once

#include "calculationrecord.h"
#include "dryingmodel.h"
#include "inputtexts.h"
#include "moisturecurves.h"

namespace quelbor {

// The calculation as the main window runs it, without the toolkit: the model and the
// water-loading scale live as long as this object, as they live as long as the window, and
// each press starts on blank chart surfaces, as after "Nochmal !".
class WindowCalculation
{
public:
    enum class Charts {
        Drawn,       // both charts, as "Rechne !" draws them
        LoadingsOnly // only the sweep of the water loadings behind the diffusivity chart
    };

    explicit WindowCalculation(Charts charts = Charts::Drawn)
        : m_charts(charts)
    {}

    // One press of "Rechne !": the characteristic values, the six result texts, then the
    // charts. A CalculationError ends it at its step and is recorded; any other exception
    // leaves this function.
    CalculationRecord press(const InputTexts &texts);

    const DryingModel &model() const { return m_model; }
    const LoadingScale &scale() const { return m_scale; }

private:
    void calculate(const InputTexts &texts, CalculationRecord &record);

    Charts m_charts;
    DryingModel m_model;
    LoadingScale m_scale;
};

} // namespace quelbor
