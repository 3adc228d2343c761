#include "comparedbody.h"

#include "diffusivitygrid.h"
#include "shrinkagegrid.h"
#include "windowcalculation.h"

#include <algorithm>
#include <stdexcept>

namespace quelbor {

namespace {

std::vector<SurfaceOperation> gridOf(void (*drawGrid)(DrawingSurface &), LogicalExtent extent)
{
    RecordingSurface grid(extent);
    drawGrid(grid);
    return grid.operations();
}

// The lines after the grid. The limit-state marker is the diffusivity chart's first red line;
// its black lines are the curve and the lines below the limit moisture.
std::vector<BodyLine> linesAfterGrid(const RecordingSurface &chart,
                                     const std::vector<SurfaceOperation> &grid)
{
    const auto &operations = chart.operations();
    if (operations.size() < grid.size() ||
        !std::equal(grid.begin(), grid.end(), operations.begin()))
        return {}; // the chart ended before its grid was complete: nothing of the body to show
    std::vector<BodyLine> lines;
    bool limitSeen = false;
    for (auto operation = operations.begin() + std::ptrdiff_t(grid.size());
         operation != operations.end(); ++operation) {
        if (operation->kind != SurfaceOperation::Kind::Line)
            continue;
        LineRole role = LineRole::Mark;
        if (operation->colour == colours::black) {
            role = LineRole::Curve;
        } else if (operation->colour == colours::red && !limitSeen) {
            role = LineRole::LimitMarker;
            limitSeen = true;
        }
        lines.push_back({*operation, role});
    }
    return lines;
}

} // namespace

const std::vector<SurfaceOperation> &diffusivityGridOperations()
{
    static const std::vector<SurfaceOperation> grid =
        gridOf([](DrawingSurface &surface) { drawDiffusivityGrid(surface); }, {6000, 4000});
    return grid;
}

const std::vector<SurfaceOperation> &shrinkageGridOperations()
{
    static const std::vector<SurfaceOperation> grid = gridOf(drawShrinkageGrid, {4000, 1500});
    return grid;
}

ComparedBody calculateBody(std::string name, const InputTexts &texts)
{
    // A press on a fresh calculation, as the first "Rechne !" after the window opened: each
    // body on its own, whatever was calculated before it.
    WindowCalculation calculation(",");
    CalculationRecord record = calculation.press(texts);
    ComparedBody body;
    body.name = std::move(name);
    body.texts = texts;
    body.results = std::move(record.results);
    if (record.error) {
        body.error = "Laufzeitfehler " + std::to_string(errorNumber(*record.error)) + ": " +
                     errorText(*record.error);
        return body; // a chart cut short by its fault is not compared
    }
    body.kappaLines = linesAfterGrid(record.kappa, diffusivityGridOperations());
    body.schwindungLines = linesAfterGrid(record.schwindung, shrinkageGridOperations());
    return body;
}

ComparedBody unreadBody(std::string name, std::string error)
{
    ComparedBody body;
    body.name = std::move(name);
    body.texts = {"", "", "", "", "", "", ""};
    body.calculated = false;
    body.error = std::move(error);
    return body;
}

} // namespace quelbor
