// Speed of the comparison: a table of 1000 bodies opened into the comparison's table model
// (read, each row calculated as one "Rechne !", rows added), and both overlay charts redrawn
// with 50 shown bodies into the comparison window's chart panels, rasterised and painted, on
// the platform QT_QPA_PLATFORM names (offscreen for the figures in docs/performance.md).

#include "comparisontable.h"
#include "comparisontablemodel.h"
#include "overlaychartpanel.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace quelbor;

// Realistic bodies that differ in every input, as a lab's table of a year's deliveries.
std::string sampleTable(int rows)
{
    std::string table = "name;rhoSE;Xanf;Xmess;ksiSE;kappaMess;thetaMess;KappaSteig\n";
    for (int i = 0; i < rows; ++i) {
        table += "Probe " + std::to_string(i + 1) + ";" + std::to_string(1700 + i % 300) + ";0," +
                 std::to_string(20 + i % 12) + ";0," + std::to_string(150 + i % 60) + ";" +
                 std::to_string(4 + i % 5) + "," + std::to_string(i % 10) + ";" +
                 std::to_string(20 + i % 50) + ";20,5;" + std::to_string(6 + i % 5) + "\n";
    }
    return table;
}

const std::string &tableFile()
{
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "quelbor-comparison-bench.csv";
        std::ofstream(file) << sampleTable(1000);
        return file.string();
    }();
    return path;
}

void openTable(benchmark::State &state)
{
    for (auto _ : state) {
        ComparisonTableModel model(QStringLiteral(","));
        TableOpening opening = openComparisonTable(tableFile());
        model.addAll(std::move(opening.bodies));
        if (model.rowCount() != 1000 || !opening.refusal.empty())
            state.SkipWithError("the table was not opened whole");
    }
}

void redrawOverlay(benchmark::State &state)
{
    TableOpening opening = openComparisonTable(tableFile());
    opening.bodies.resize(50);
    OverlayChartPanel kappa(diffusivityAxes, drawDiffusivityOverlay, QStringLiteral("kappa"));
    OverlayChartPanel schwindung(shrinkageAxes, drawShrinkageOverlay, QStringLiteral("schwindung"));
    kappa.resize(700, 480);
    schwindung.resize(500, 480);
    kappa.show();
    schwindung.show();
    for (auto _ : state) {
        kappa.showBodies(opening.bodies);
        schwindung.showBodies(opening.bodies);
        kappa.repaint();
        schwindung.repaint();
    }
    state.counters["bodies"] = static_cast<double>(opening.bodies.size());
}

BENCHMARK(openTable)->Name("Comparison/open1000Rows")->Unit(benchmark::kMillisecond);
BENCHMARK(redrawOverlay)->Name("Comparison/redraw50Bodies")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(tableFile());
    return 0;
}
