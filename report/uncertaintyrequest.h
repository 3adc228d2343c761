#pragma once

#include "inputuncertainty.h"
#include "montecarlo.h"

#include <cstdint>
#include <optional>

namespace quelbor {

// The uncertainty options of quelbor-calc: a standard uncertainty and a distribution per
// input (all exact unless given), the number of trials and the seed.
struct UncertaintyRequest
{
    StatedUncertainties stated;
    bool optionGiven = false;   // some --u-, --dist- or --trials option was given
    std::optional<long> trials; // as given with --trials
    std::uint64_t seed = defaultSeed;
};

} // namespace quelbor
