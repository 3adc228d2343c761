#pragma once

#include "dryingmodel.h"

#include <array>

namespace quelbor {

struct ModelField
{
    const char *name;
    double value;
};

// Every value of the model, inputs first, in the order the calculation stores them.
std::array<ModelField, 20> modelFields(const DryingModel &model);

} // namespace quelbor
