#pragma once

#include "calculationerror.h"
#include "inputtexts.h"
#include "windowcalculation.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace quelbor {

// Objects keep their fields in the order they are written.
using Json = nlohmann::ordered_json;

// What one press gave, as quelbor-calc reports it: "inputs" (the seven texts), "model" (every
// value), "results" (the texts written before the calculation ended, by box), "psiMarks" and
// "XlastPlotted".
Json calculationJson(const InputTexts &texts, const WindowCalculation &calculation,
                     const std::vector<std::string> &results);

// "error": kind, number and German text of the error that ended the press.
void addError(Json &json, ErrorKind kind);

// The JSON text. Numbers are written in their shortest form that reads back to the same
// double; bytes that are not UTF-8 become U+FFFD, so the text is always valid JSON.
std::string jsonText(const Json &json, int indent);

} // namespace quelbor
