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
    try {
        calculate(texts, record);
    } catch (const CalculationError &error) {
        record.error = error.kind();
    }
    return record;
}

void WindowCalculation::calculate(const InputTexts &texts, CalculationRecord &record)
{
    computeCharacteristics(m_model, texts);
    for (const DisplayedResult &result : displayedResults(m_model))
        record.results.push_back(formatResult(result.value, result.decimals, m_separator));
    drawDiffusivityChart(m_model, m_scale, record.kappa, record.labels);
    drawShrinkageChart(m_model, record.schwindung, [&record] { ++record.windowRefreshes; });
}

} // namespace quelbor
