// Speed of the numeric core: reading the entered texts and the chain of characteristic values.

#include "characteristics.h"
#include "dryingmodel.h"
#include "inputtexts.h"
#include "parsedecimal.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace quelbor;

// Texts as users type them, from the window's defaults to the long and awkward ones.
struct ParseCase
{
    const char *name;
    std::string text;
};

const ParseCase parseCases[] = {
    {"integer", "1850"},
    {"decimalComma", "0,185"},
    {"exponent", "1,5e3"},
    {"blanksInside", "  0, 25  "},
    {"thousandsPoint", "1.850,5"},
    {"letters", "abc"},
    {"fraction1000Digits", "0," + std::string(1000, '7')},
};

void parseDecimal(benchmark::State &state, const std::string &text)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseDecimal(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

// All seven inputs through ParseDecimal and every derived value, as one "Rechne !" computes
// them before anything is shown.
void computeDefaults(benchmark::State &state)
{
    const InputTexts texts;
    DryingModel model;
    for (auto _ : state) {
        computeCharacteristics(model, texts);
        benchmark::DoNotOptimize(model);
    }
    state.SetItemsProcessed(state.iterations());
}

const bool registered = [] {
    for (const ParseCase &c : parseCases)
        benchmark::RegisterBenchmark((std::string("ParseDecimal/") + c.name).c_str(), parseDecimal,
                                     c.text);
    benchmark::RegisterBenchmark("computeCharacteristics", computeDefaults);
    return true;
}();

} // namespace
