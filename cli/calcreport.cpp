#include "calcreport.h"

#include "calculationerror.h"
#include "chartreport.h"
#include "displayedresults.h"
#include "jsonwriter.h"
#include "windowcalculation.h"

#include <string>
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

// The results written before the calculation ended, each in the box the window writes it to.
void writeResults(JsonWriter &json, const DryingModel &model, const std::vector<std::string> &texts)
{
    const auto boxes = displayedResults(model);
    json.beginObject("results");
    for (std::size_t i = 0; i < texts.size(); ++i)
        json.textField(boxes.at(i).box, texts[i]);
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

void writeError(JsonWriter &json, ErrorKind kind)
{
    json.beginObject("error");
    json.textField("kind", errorKindName(kind));
    json.intField("number", errorNumber(kind));
    json.textField("text", errorText(kind));
    json.endObject();
}

} // namespace

CalcOutcome runCalculation(const CalcRequest &request)
{
    WindowCalculation calculation(request.decimalSeparator);
    const CalculationRecord record = calculation.press(request.texts);

    JsonWriter json;
    json.beginObject();
    writeInputs(json, request.texts);
    writeModel(json, calculation.model());
    if (!record.results.empty())
        writeResults(json, calculation.model(), record.results);
    writeLoadingScale(json, calculation.scale());
    if (request.charts)
        writeCharts(json, record);
    if (record.error)
        writeError(json, *record.error);
    json.endObject();
    return {json.text(), record.error ? 1 : 0};
}

} // namespace quelbor
