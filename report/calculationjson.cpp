#include "calculationjson.h"

#include "displayedresults.h"
#include "modelfields.h"

namespace quelbor {

namespace {

Json inputsJson(const InputTexts &texts)
{
    return {{"rhoSE", texts.rhoSE},          {"Xanf", texts.Xanf},
            {"Xmess", texts.Xmess},          {"ksiSE", texts.ksiSE},
            {"kappaMess", texts.kappaMess},  {"thetaMess", texts.thetaMess},
            {"KappaSteig", texts.KappaSteig}};
}

Json modelJson(const DryingModel &model)
{
    Json json = Json::object();
    for (const ModelField &field : modelFields(model))
        json[field.name] = field.value;
    return json;
}

// The results written before the calculation ended, each in the box the window writes it to.
Json resultsJson(const DryingModel &model, const std::vector<std::string> &texts)
{
    const auto boxes = displayedResults(model);
    Json json = Json::object();
    for (std::size_t i = 0; i < texts.size(); ++i)
        json[boxes.at(i).box] = texts[i];
    return json;
}

} // namespace

Json calculationJson(const InputTexts &texts, const WindowCalculation &calculation,
                     const std::vector<std::string> &results)
{
    Json json = Json::object();
    json["inputs"] = inputsJson(texts);
    json["model"] = modelJson(calculation.model());
    if (!results.empty())
        json["results"] = resultsJson(calculation.model(), results);
    json["psiMarks"] = calculation.scale().psiMarks;
    json["XlastPlotted"] = calculation.scale().XlastPlotted;
    return json;
}

void addError(Json &json, ErrorKind kind)
{
    json["error"] = {
        {"kind", errorKindName(kind)}, {"number", errorNumber(kind)}, {"text", errorText(kind)}};
}

std::string jsonText(const Json &json, int indent)
{
    return json.dump(indent, ' ', false, Json::error_handler_t::replace);
}

} // namespace quelbor
