#pragma once

#include "characteristics.h"
#include "dryingmodel.h"
#include "inputtexts.h"
#include "recordingsurface.h"

#include <cmath>

namespace quelbor {

// The model as "Rechne !" computes it from the texts in the input boxes.
inline DryingModel modelFor(const InputTexts &texts)
{
    DryingModel model;
    computeCharacteristics(model, texts);
    return model;
}

// Whether every coordinate handed to the surface is a number the surface can draw.
inline bool allCoordinatesFinite(const RecordingSurface &surface)
{
    for (const SurfaceOperation &op : surface.operations()) {
        if (!std::isfinite(op.x1) || !std::isfinite(op.y1) || !std::isfinite(op.x2) ||
            !std::isfinite(op.y2))
            return false;
    }
    return true;
}

} // namespace quelbor
