#include "calcreport.h"

#include "calculationerror.h"
#include "characteristics.h"
#include "chartreport.h"
#include "displayedresults.h"
#include "jsonwriter.h"
#include "moisturecurves.h"
#include "resultformat.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace quelbor {

namespace {

std::vector<std::pair<const char *, double>> modelFields(const DryingModel &m)
{
    return {
        {"rhoSE", m.rhoSE},
        {"Xanf", m.Xanf},
        {"Xmess", m.Xmess},
        {"ksiSE", m.ksiSE},
        {"kappaMess", m.kappaMess},
        {"thetaMess", m.thetaMess},
        {"KappaSteig", m.KappaSteig},
        {"rhoAnf", m.rhoAnf},
        {"psianf", m.psianf},
        {"psiSE", m.psiSE},
        {"XSE", m.XSE},
        {"ksiMess", m.ksiMess},
        {"rhoMess", m.rhoMess},
        {"psiMess", m.psiMess},
        {"kappaAnf25", m.kappaAnf25},
        {"kappaGrenz", m.kappaGrenz},
        {"ksi25", m.ksi25},
        {"rho25", m.rho25},
        {"psi25", m.psi25},
        {"kappa2525", m.kappa2525},
    };
}

void writeInputs(JsonWriter &json, const InputTexts &texts)
{
    json.beginObject("inputs");
    json.textField("rhoSE", texts.rhoSE);
    json.textField("Xanf", texts.Xanf);
    json.textField("Xmess", texts.Xmess);
    json.textField("ksiSE", texts.ksiSE);
    json.textField("kappaMess", texts.kappaMess);
    json.textField("thetaMess", texts.thetaMess);
    json.textField("KappaSteig", texts.KappaSteig);
    json.endObject();
}

void writeModel(JsonWriter &json, const DryingModel &model)
{
    json.beginObject("model");
    for (const auto &[name, value] : modelFields(model))
        json.numberField(name, value);
    json.endObject();
}

using ResultTexts = std::vector<std::pair<const char *, std::string>>;

// The results in the order the window writes them, each with a decimal comma as in German
// regional settings; a result that cannot be formatted ends the calculation there.
void formatResults(const DryingModel &model, ResultTexts &texts)
{
    const auto results = displayedResults(model);
    std::transform(results.begin(), results.end(), std::back_inserter(texts),
                   [](const DisplayedResult &result) {
                       return std::pair(result.box,
                                        formatResult(result.value, result.decimals, ","));
                   });
}

void writeResults(JsonWriter &json, const ResultTexts &texts)
{
    json.beginObject("results");
    for (const auto &[box, text] : texts)
        json.textField(box, text);
    json.endObject();
}

void writeLoadingScale(JsonWriter &json, const LoadingScale &scale)
{
    json.beginArray("psiMarks");
    for (const double psi : scale.psiMarks)
        json.number(psi);
    json.endArray();
    json.numberField("XlastPlotted", scale.XlastPlotted);
}

void writeError(JsonWriter &json, const CalculationError &error)
{
    json.beginObject("error");
    json.textField("kind", errorKindName(error.kind()));
    json.intField("number", error.number());
    json.textField("text", error.text());
    json.endObject();
}

} // namespace

CalcOutcome runCalculation(const CalcRequest &request)
{
    DryingModel model;
    LoadingScale scale;
    ChartReport charts;
    ResultTexts results;
    std::optional<CalculationError> failure;
    try {
        computeCharacteristics(model, request.texts);
        formatResults(model, results);
        if (request.charts)
            charts.draw(model, scale);
        else
            sweepLoadings(model, scale, [](int, double) {});
    } catch (const CalculationError &error) {
        failure = error;
    }

    JsonWriter json;
    json.beginObject();
    writeInputs(json, request.texts);
    writeModel(json, model);
    if (!results.empty())
        writeResults(json, results);
    writeLoadingScale(json, scale);
    if (request.charts)
        charts.write(json);
    if (failure)
        writeError(json, *failure);
    json.endObject();
    return {json.text(), failure ? 1 : 0};
}

} // namespace quelbor
