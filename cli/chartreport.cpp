#include "chartreport.h"

#include <array>
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

std::string operationJson(const SurfaceOperation &op)
{
    if (op.kind == SurfaceOperation::Kind::Width)
        return R"({"op": "width", "value": )" + std::to_string(op.width) + "}";
    const char *name = op.kind == SurfaceOperation::Kind::Line ? "line" : "box";
    return std::string(R"({"op": ")") + name + R"(", "x1": )" + jsonNumber(op.x1) + R"(, "y1": )" +
           jsonNumber(op.y1) + R"(, "x2": )" + jsonNumber(op.x2) + R"(, "y2": )" +
           jsonNumber(op.y2) + R"(, "rgb": [)" + std::to_string(op.colour.red) + ", " +
           std::to_string(op.colour.green) + ", " + std::to_string(op.colour.blue) +
           R"(], "width": )" + std::to_string(op.width) + "}";
}

void writeSurface(JsonWriter &json, const char *name, const RecordingSurface &surface)
{
    json.beginArray(name);
    for (const SurfaceOperation &op : surface.operations())
        json.rawField({}, operationJson(op));
    json.endArray();
}

} // namespace

void writeCharts(JsonWriter &json, const CalculationRecord &record)
{
    const std::array<LabelState, 9> labels = labelStates(record.labels);
    json.beginObject("labels");
    for (std::size_t k = 1; k < labels.size(); ++k) {
        json.beginObject("lbl_n" + std::to_string(k));
        json.numberField("left", labels[k].left);
        json.boolField("visible", labels[k].visible);
        json.endObject();
    }
    json.endObject();
    json.beginObject("surfaces");
    writeSurface(json, "pic_kappa", record.kappa);
    writeSurface(json, "pic_Schwindung", record.schwindung);
    json.endObject();
}

} // namespace quelbor
