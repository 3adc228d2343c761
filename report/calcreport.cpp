#include "calcreport.h"

#include "calculationjson.h"
#include "chartreport.h"
#include "uncertaintyjson.h"
#include "windowcalculation.h"

namespace quelbor {

CalcOutcome runCalculation(const ReportRequest &request)
{
    WindowCalculation calculation(request.decimalSeparator);
    const CalculationRecord record = calculation.press(request.texts);

    Json json = calculationJson(request.texts, calculation, record.results);
    if (request.charts)
        addCharts(json, record);
    if (record.error)
        addError(json, *record.error);
    else if (anyUncertain(request.uncertainty.stated))
        json["uncertainty"] = uncertaintyJson(evaluateUncertainty(
            enteredValues(request.texts), request.uncertainty.stated,
            {true, request.uncertainty.trials.value_or(defaultTrials), request.uncertainty.seed}));
    return {jsonText(json, 2) + "\n", record.error ? 1 : 0};
}

} // namespace quelbor
