#include "chartreport.h"

#include "diffusivitychart.h"
#include "loadinglabels.h"
#include "shrinkagechart.h"

#include <string>

namespace quelbor {

namespace {

// Where lbl_n1 ... lbl_n8 stand before any calculation moved them (twips); lbl_n1 ... lbl_n3
// are always visible, the others are hidden by "Rechne !" before the chart is drawn.
constexpr std::array<float, 9> designLefts{0, 8010, 8790, 9420, 9930, 10410, 10800, 11220, 11610};
constexpr int alwaysVisibleLabels = 3;

class LabelRecorder : public LoadingLabels
{
public:
    explicit LabelRecorder(std::array<ChartReport::LabelState, 9> &labels)
        : m_labels(labels)
    {}
    void setLabelLeft(int index, float leftTwips) override { at(index).left = leftTwips; }
    void showLabel(int index) override { at(index).visible = true; }

private:
    ChartReport::LabelState &at(int index) { return m_labels.at(static_cast<std::size_t>(index)); }

    std::array<ChartReport::LabelState, 9> &m_labels;
};

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

ChartReport::ChartReport()
    : m_kappa({6000, 4000})
    , m_schwindung({4000, 1500})
{
    for (std::size_t k = 1; k < m_labels.size(); ++k)
        m_labels[k] = {designLefts[k], k <= alwaysVisibleLabels};
}

void ChartReport::draw(const DryingModel &model, LoadingScale &scale)
{
    LabelRecorder labels(m_labels);
    drawDiffusivityChart(model, scale, m_kappa, labels);
    drawShrinkageChart(model, m_schwindung, {});
}

void ChartReport::write(JsonWriter &json) const
{
    json.beginObject("labels");
    for (std::size_t k = 1; k < m_labels.size(); ++k) {
        json.beginObject("lbl_n" + std::to_string(k));
        json.numberField("left", m_labels[k].left);
        json.boolField("visible", m_labels[k].visible);
        json.endObject();
    }
    json.endObject();
    json.beginObject("surfaces");
    writeSurface(json, "pic_kappa", m_kappa);
    writeSurface(json, "pic_Schwindung", m_schwindung);
    json.endObject();
}

} // namespace quelbor
