#include "windowcalculation.h"

#include "characteristics.h"
#include "chartsafety.h"
#include "diffusivitychart.h"
#include "discardinglabels.h"
#include "discardingsurface.h"
#include "displayedresults.h"
#include "floatstatus.h"
#include "resultformat.h"
#include "shrinkagechart.h"

#include <algorithm>
#include <iterator>

namespace quelbor {

CalculationRecord WindowCalculation::press(const InputTexts &texts)
{
    CalculationRecord record;
    record.error = press(texts, {record.results, record.kappa, record.schwindung, record.labels,
                                 [&record] { ++record.windowRefreshes; }});
    return record;
}

std::optional<ErrorKind> WindowCalculation::press(const InputTexts &texts,
                                                  const PressTargets &targets)
{
    try {
        calculate(texts, targets);
    } catch (const CalculationError &error) {
        return error.kind();
    }
    return std::nullopt;
}

std::optional<ErrorKind> WindowCalculation::pressUnseen(const InputTexts &texts,
                                                        std::vector<std::string> &results,
                                                        bool withLoadingScale)
{
    try {
        calculateUnseen(texts, results, withLoadingScale);
    } catch (const CalculationError &error) {
        return error.kind();
    }
    return std::nullopt;
}

void WindowCalculation::calculate(const InputTexts &texts, const PressTargets &targets)
{
    computeCharacteristics(m_model, texts);
    writeResults(targets.results);
    drawDiffusivityChart(m_model, m_scale, targets.kappa, targets.labels);
    drawShrinkageChart(m_model, targets.schwindung, targets.refreshWindow);
}

void WindowCalculation::calculateUnseen(const InputTexts &texts, std::vector<std::string> &results,
                                        bool withLoadingScale)
{
    computeCharacteristics(m_model, texts);
    writeResults(results);
    // A flag left set would end the charts at their first status test, after part of the
    // water-loading table: that body takes the charts' own way.
    if (chartsCannotFail(m_model) && !floatStatusFlagged()) {
        if (withLoadingScale)
            sweepLoadings(m_model, m_scale, [](int, double) {});
        return;
    }
    DiscardingSurface kappa({6000, 4000});
    DiscardingSurface schwindung({4000, 1500});
    DiscardingLabels labels;
    drawDiffusivityChart(m_model, m_scale, kappa, labels);
    drawShrinkageChart(m_model, schwindung, {});
}

void WindowCalculation::writeResults(std::vector<std::string> &results) const
{
    const auto shown = displayedResults(m_model);
    std::transform(shown.begin(), shown.end(), std::back_inserter(results),
                   [this](const DisplayedResult &result) {
                       return formatResult(result.value, result.decimals, m_separator);
                   });
}

} // namespace quelbor
