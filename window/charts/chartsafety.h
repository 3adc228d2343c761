#pragma once

#include "dryingmodel.h"

namespace quelbor {

// True when both charts are sure to be drawn without a calculation error for this model:
// every value their sweeps meet then stays well inside the ranges where the checked
// arithmetic cannot fault. False says nothing: the charts may still be drawn without fault.
// A caller that shows no chart can skip them where this holds (a batch of thousands of
// bodies); the window always draws them.
bool chartsCannotFail(const DryingModel &model);

} // namespace quelbor
