#pragma once

#include "dryingmodel.h"
#include "jsonwriter.h"
#include "moisturecurves.h"
#include "recordingsurface.h"

#include <array>

namespace quelbor {

// Both charts drawn as "Rechne !" draws them, on recording surfaces, with the water-loading
// labels as the window holds them. Reports the labels and every surface operation as JSON.
class ChartReport
{
public:
    ChartReport();

    // Draws the diffusivity chart, then the shrinkage chart. A CalculationError passes through;
    // what was drawn and moved up to it stays recorded.
    void draw(const DryingModel &model, LoadingScale &scale);

    void write(JsonWriter &json) const;

    struct LabelState
    {
        float left = 0; // twips
        bool visible = false;
    };

private:
    std::array<LabelState, 9> m_labels; // 1 ... 8 used, as lbl_n1 ... lbl_n8
    RecordingSurface m_kappa;
    RecordingSurface m_schwindung;
};

} // namespace quelbor
