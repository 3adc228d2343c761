#include "chartreport.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>

namespace quelbor {

namespace {

// Where lbl_n1 ... lbl_n8 stand before any calculation moved them (twips); lbl_n1 ... lbl_n3
// are always visible, the others are hidden by "Rechne !" before the chart is drawn.
constexpr std::array<float, 9> designLefts{0, 8010, 8790, 9420, 9930, 10410, 10800, 11220, 11610};
constexpr int alwaysVisibleLabels = 3;

struct LabelState
{
    float left = 0; // twips
    bool visible = false;
};

// The labels of a first calculation: where they stand by design, moved and shown as recorded.
std::array<LabelState, 9> labelStates(const RecordingLabels &labels)
{
    std::array<LabelState, 9> states;
    for (std::size_t k = 1; k < states.size(); ++k)
        states[k] = {designLefts[k], k <= alwaysVisibleLabels};
    for (const RecordingLabels::Call &call : labels.calls()) {
        LabelState &state = states.at(static_cast<std::size_t>(call.index));
        if (call.kind == RecordingLabels::Call::Kind::Left)
            state.left = call.left;
        else
            state.visible = true;
    }
    return states;
}

Json operationJson(const SurfaceOperation &op)
{
    if (op.kind == SurfaceOperation::Kind::Width)
        return {{"op", "width"}, {"value", op.width}};
    return {{"op", op.kind == SurfaceOperation::Kind::Line ? "line" : "box"},
            {"x1", op.x1},
            {"y1", op.y1},
            {"x2", op.x2},
            {"y2", op.y2},
            {"rgb", {op.colour.red, op.colour.green, op.colour.blue}},
            {"width", op.width}};
}

Json surfaceJson(const RecordingSurface &surface)
{
    Json json = Json::array();
    std::transform(surface.operations().begin(), surface.operations().end(),
                   std::back_inserter(json), operationJson);
    return json;
}

} // namespace

void addCharts(Json &json, const CalculationRecord &record)
{
    const std::array<LabelState, 9> labels = labelStates(record.labels);
    Json &labelsJson = json["labels"] = Json::object();
    for (std::size_t k = 1; k < labels.size(); ++k)
        labelsJson["lbl_n" + std::to_string(k)] = {{"left", labels[k].left},
                                                   {"visible", labels[k].visible}};
    json["surfaces"] = {{"pic_kappa", surfaceJson(record.kappa)},
                        {"pic_Schwindung", surfaceJson(record.schwindung)}};
}

} // namespace quelbor
