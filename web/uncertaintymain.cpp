// The measurement uncertainty of one body, compiled to a module of its own for the page's
// section "Messunsicherheit" (uncertaintyworker.js runs it in a Web Worker): the same
// evaluation and the same JSON object as quelbor-calc's "uncertainty". Not part of the page's
// main module, which would carry the JSON library and the trials' memory for every opening.
#include "calculationjson.h"
#include "handedback.h"
#include "uncertaintyjson.h"
#include "windowcalculation.h"

#include <emscripten.h>

#include <array>
#include <sstream>
#include <string>

namespace {

using namespace quelbor;

constexpr std::size_t inputCount = inputValueFields.size();

// The seven lines of a text, one per input; missing lines are empty.
std::array<std::string, inputCount> lines(const char *text)
{
    std::array<std::string, inputCount> result;
    std::istringstream stream(text);
    for (std::string &line : result)
        std::getline(stream, line);
    return result;
}

// "unreadable": the inputs whose uncertainty ("u") or distribution ("distribution") is no
// such text, or null when all are read into `stated`.
Json readStated(const std::array<std::string, inputCount> &amounts,
                const std::array<std::string, inputCount> &distributions,
                StatedUncertainties &stated)
{
    Json unreadable = Json::array();
    for (std::size_t in = 0; in < inputCount; ++in) {
        const auto amount = readStatedAmount(amounts[in]);
        const auto distribution = readDistribution(distributions[in]);
        if (!amount)
            unreadable.push_back({{"input", inputValueFields[in].name}, {"what", "u"}});
        if (!distribution)
            unreadable.push_back({{"input", inputValueFields[in].name}, {"what", "distribution"}});
        if (amount && distribution) {
            stated[in] = *amount;
            stated[in].distribution = *distribution;
        }
    }
    return unreadable.empty() ? Json() : unreadable;
}

EM_JS(void, reportTrialsDone, (double done, double total), {
    if (Module.onTrials)
        Module.onTrials(done, total);
});

} // namespace

extern "C" {

// The uncertainty of the body of the seven input texts (each argument holds seven lines, in
// the order rhoSE, Xanf, Xmess, ksiSE, kappaMess, thetaMess, KappaSteig: the input texts,
// the standard uncertainties as quelbor-calc's --u- reads them, the distributions as --dist-
// reads them) with `trials` Monte Carlo trials from `seed`. Returns {"uncertainty": {...}}
// as quelbor-calc reports it, or {"error": {...}} when the body itself fails, or
// {"unreadable": [...]}, or {"exact": true} when no input has an uncertainty. Module.onTrials
// is told the trials done now and then. The text stays valid until the next call.
EMSCRIPTEN_KEEPALIVE const char *quelbor_uncertainty_json(const char *inputTexts,
                                                          const char *amounts,
                                                          const char *distributions, double trials,
                                                          double seed)
{
    const std::array<std::string, inputCount> inputs = lines(inputTexts);
    const InputTexts texts{inputs[0], inputs[1], inputs[2], inputs[3],
                           inputs[4], inputs[5], inputs[6]};
    StatedUncertainties stated;
    Json json = Json::object();
    if (Json unreadable = readStated(lines(amounts), lines(distributions), stated);
        !unreadable.is_null()) {
        json["unreadable"] = unreadable;
    } else if (!anyUncertain(stated)) {
        json["exact"] = true;
    } else {
        WindowCalculation calculation;
        std::vector<std::string> results;
        if (const auto error = calculation.pressUnseen(texts, results, false)) {
            addError(json, *error);
        } else {
            const UncertaintySettings settings{true, static_cast<long>(trials),
                                               static_cast<std::uint64_t>(seed)};
            json["uncertainty"] = uncertaintyJson(
                evaluateUncertainty(enteredValues(texts), stated, settings, [&](long done) {
                    reportTrialsDone(static_cast<double>(done), trials);
                    return true; // the page cancels by ending the worker
                }));
        }
    }
    return handedBack(jsonText(json, 0));
}
}
