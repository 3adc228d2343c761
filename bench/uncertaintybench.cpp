// Speed of the measurement uncertainty: the law of propagation and 10^6 Monte Carlo trials of
// the six results, with their coverage intervals, for the default body of a typical lab.

#include "uncertaintyevaluation.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quelbor;

StatedUncertainties typicalLab()
{
    StatedUncertainties stated;
    stated[0] = {20, false, Distribution::Normal};       // rhoSE, kg/m³
    stated[1] = {0.005, false, Distribution::Normal};    // Xanf
    stated[3] = {0.2, false, Distribution::Normal};      // ksiSE, %
    stated[4] = {3, true, Distribution::Normal};         // kappaMess
    stated[5] = {0.5, false, Distribution::Rectangular}; // thetaMess, °C
    return stated;
}

void evaluate(benchmark::State &state)
{
    const StatedUncertainties stated = typicalLab();
    const UncertaintySettings settings{true, state.range(0), defaultSeed};
    for (auto _ : state) {
        const UncertaintyEvaluation e = evaluateUncertainty(InputValues{}, stated, settings);
        if (e.monteCarlo->failed != 0 || !e.outputs[0].monteCarlo)
            state.SkipWithError("trials failed");
        benchmark::DoNotOptimize(e);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(evaluate)
    ->Name("evaluateUncertainty")
    ->Arg(1000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

} // namespace
