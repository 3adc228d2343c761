#pragma once

#include "calculationrecord.h"
#include "drawingsurface.h"
#include "dryingmodel.h"
#include "inputtexts.h"
#include "loadinglabels.h"
#include "moisturecurves.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quelbor {

// Where one press writes besides the model: the six result texts (appended), both chart
// surfaces, the water-loading labels, and the window's refresh as the last step.
struct PressTargets
{
    std::vector<std::string> &results;
    DrawingSurface &kappa;      // 6000 x 4000
    DrawingSurface &schwindung; // 4000 x 1500
    LoadingLabels &labels;
    std::function<void()> refreshWindow;
};

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

    // The same press onto other targets, such as surfaces that discard what is drawn. Returns
    // the error that ended it, if one did.
    std::optional<ErrorKind> press(const InputTexts &texts, const PressTargets &targets);

    // The press for a caller that shows neither chart, such as a batch of thousands of bodies:
    // the same result texts, model and error as press(), but the charts are only run where
    // they could fail (see chartsCannotFail), onto surfaces that discard them. Elsewhere the
    // water-loading table is filled only when withLoadingScale asks for it.
    std::optional<ErrorKind> pressUnseen(const InputTexts &texts, std::vector<std::string> &results,
                                         bool withLoadingScale);

    const DryingModel &model() const { return m_model; }
    const LoadingScale &scale() const { return m_scale; }

private:
    void calculate(const InputTexts &texts, const PressTargets &targets);
    void calculateUnseen(const InputTexts &texts, std::vector<std::string> &results,
                         bool withLoadingScale);
    void writeResults(std::vector<std::string> &results) const;

    std::string m_separator;
    DryingModel m_model;
    LoadingScale m_scale;
};

} // namespace quelbor
