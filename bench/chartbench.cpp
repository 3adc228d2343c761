// Speed of the two charts' geometry: every line and box they draw, recorded rather than
// rasterised, so this is the charts' own share of a calculation.

#include "characteristics.h"
#include "diffusivitychart.h"
#include "dryingmodel.h"
#include "inputtexts.h"
#include "loadinglabels.h"
#include "moisturecurves.h"
#include "recordingsurface.h"
#include "shrinkagechart.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quelbor;

class IgnoredLabels : public LoadingLabels
{
public:
    void setLabelLeft(int, float) override {}
    void showLabel(int) override {}
};

DryingModel defaultModel()
{
    DryingModel model;
    computeCharacteristics(model, InputTexts{});
    return model;
}

// A fresh surface each time, as each calculation draws onto a chart painted white.
void diffusivityChart(benchmark::State &state)
{
    const DryingModel model = defaultModel();
    LoadingScale scale;
    IgnoredLabels labels;
    for (auto _ : state) {
        RecordingSurface surface({6000, 4000});
        drawDiffusivityChart(model, scale, surface, labels);
        benchmark::DoNotOptimize(surface.operations().data());
        state.counters["operations"] = static_cast<double>(surface.operations().size());
    }
}

void shrinkageChart(benchmark::State &state)
{
    const DryingModel model = defaultModel();
    for (auto _ : state) {
        RecordingSurface surface({4000, 1500});
        drawShrinkageChart(model, surface, [] {});
        benchmark::DoNotOptimize(surface.operations().data());
        state.counters["operations"] = static_cast<double>(surface.operations().size());
    }
}

BENCHMARK(diffusivityChart)->Name("drawDiffusivityChart/RecordingSurface");
BENCHMARK(shrinkageChart)->Name("drawShrinkageChart/RecordingSurface");

} // namespace
