#include "uncertaintyjson.h"

#include "numbertext.h"

namespace quelbor {

namespace {

Json inputsJson(const InputUncertainties &inputs)
{
    Json json = Json::object();
    for (std::size_t in = 0; in < inputValueFields.size(); ++in) {
        json[inputValueFields[in].name] = {
            {"value", inputs[in].value},
            {"u", inputs[in].u},
            {"distribution", distributionName(inputs[in].distribution)}};
    }
    return json;
}

// Only the uncertain inputs: for an exact one neither figure means anything.
Json byUncertainInput(const InputUncertainties &inputs,
                      const std::array<double, inputValueFields.size()> &figures)
{
    Json json = Json::object();
    for (std::size_t in = 0; in < inputValueFields.size(); ++in) {
        if (inputs[in].u != 0)
            json[inputValueFields[in].name] = figures[in];
    }
    return json;
}

Json errorJson(ErrorKind kind)
{
    return {
        {"kind", errorKindName(kind)}, {"number", errorNumber(kind)}, {"text", errorText(kind)}};
}

Json gumJson(const GumResult &gum, const InputUncertainties &inputs)
{
    if (gum.error)
        return {{"error", errorJson(*gum.error)}};
    return {{"estimate", gum.estimate},
            {"u", gum.u},
            {"U", gum.U},
            {"k", gumCoverageFactor},
            {"sensitivity", byUncertainInput(inputs, gum.sensitivity)},
            {"budget", byUncertainInput(inputs, gum.budget)}};
}

Json interval(const std::pair<double, double> &ends)
{
    return Json::array({ends.first, ends.second});
}

std::string disagreement(const GumValidation &v)
{
    const auto figure = [](double x) { return numberText(x, std::chars_format::general, 2); };
    return "the ends of y ± 1.96·u differ from the Monte Carlo 95 % interval by " +
           figure(v.lowDifference) + " and " + figure(v.highDifference) +
           ", beyond the tolerance " + figure(v.tolerance) +
           ": the first-order result is not to be trusted";
}

Json resultJson(const OutputUncertainty &o, const InputUncertainties &inputs)
{
    Json json = {{"gum", gumJson(o.gum, inputs)}};
    if (o.monteCarlo) {
        json["monteCarlo"] = {{"mean", o.monteCarlo->mean},
                              {"u", o.monteCarlo->u},
                              {"interval95", interval(o.monteCarlo->intervals.symmetric)},
                              {"shortest95", interval(o.monteCarlo->intervals.shortest)}};
    }
    if (o.validation) {
        json["agree"] = o.validation->agree;
        json["tolerance"] = o.validation->tolerance;
        if (!o.validation->agree)
            json["note"] = disagreement(*o.validation);
    }
    return json;
}

Json failedTrialsJson(const MonteCarloRun &run)
{
    Json errors = Json::object();
    for (const auto &[kind, count] : run.failures)
        errors[std::to_string(errorNumber(kind))] = {{"count", count}, {"text", errorText(kind)}};
    return {{"count", run.failed}, {"errors", errors}};
}

} // namespace

Json uncertaintyJson(const UncertaintyEvaluation &e)
{
    Json results = Json::object();
    for (std::size_t out = 0; out < outputCount; ++out)
        results[outputNames()[out]] = resultJson(e.outputs[out], e.inputs);
    Json json = {{"results", results}, {"inputs", inputsJson(e.inputs)}};
    if (e.monteCarlo) {
        json["trials"] = e.monteCarlo->trials;
        json["failedTrials"] = failedTrialsJson(*e.monteCarlo);
        json["seed"] = e.settings.seed;
        if (!e.monteCarlo->results)
            json["monteCarloNote"] = "fewer than " + std::to_string(minimumTrialsForInterval) +
                                     " trials ended without error: no Monte Carlo figures";
    }
    return json;
}

} // namespace quelbor
