#include "uncertaintyevaluation.h"

#include <algorithm>

namespace quelbor {

UncertaintyEvaluation evaluateUncertainty(const InputValues &values,
                                          const StatedUncertainties &stated,
                                          const UncertaintySettings &settings,
                                          const TrialProgress &progress)
{
    UncertaintyEvaluation evaluation;
    evaluation.settings = settings;
    evaluation.inputs = resolveUncertainties(values, stated);
    OutputValues estimate{};
    if (const std::optional<ErrorKind> error = computeOutputs(values, estimate))
        throw CalculationError(*error);

    const GumResults gum = propagateGum(evaluation.inputs, estimate);
    for (std::size_t out = 0; out < outputCount; ++out)
        evaluation.outputs[out].gum = gum[out];
    if (!settings.monteCarlo)
        return evaluation;

    evaluation.monteCarlo =
        runMonteCarlo(evaluation.inputs, settings.trials, settings.seed, progress);
    if (!evaluation.monteCarlo->results)
        return evaluation;
    for (std::size_t out = 0; out < outputCount; ++out) {
        OutputUncertainty &o = evaluation.outputs[out];
        o.monteCarlo = (*evaluation.monteCarlo->results)[out];
        if (!o.gum.error)
            o.validation = validateGum(o.gum, *o.monteCarlo);
    }
    return evaluation;
}

bool anyUncertain(const StatedUncertainties &stated)
{
    return std::any_of(stated.begin(), stated.end(),
                       [](const StatedUncertainty &s) { return s.amount > 0; });
}

} // namespace quelbor
