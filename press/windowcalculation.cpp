#include "windowcalculation.h"

#include "characteristics.h"
#include "diffusivitychart.h"
#include "displayedresults.h"
#include "resultformat.h"
#include "shrinkagechart.h"

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

void WindowCalculation::calculate(const InputTexts &texts, const PressTargets &targets)
{
    computeCharacteristics(m_model, texts);
    for (const DisplayedResult &result : displayedResults(m_model))
        targets.results.push_back(formatResult(result.value, result.decimals, m_separator));
    drawDiffusivityChart(m_model, m_scale, targets.kappa, targets.labels);
    drawShrinkageChart(m_model, targets.schwindung, targets.refreshWindow);
}

} // namespace quelbor
