#pragma once

#include "calculationerror.h"
#include "inputvalues.h"

#include <array>
#include <optional>

namespace quelbor {

// The six results the window shows, in its order and in the units of its captions (psianf,
// XSE, psiSE, psi25 in m³/m³ or kg/kg; kappa2525, kappaGrenz in 1e-9 m²/s).
constexpr std::size_t outputCount = 6;
using OutputValues = std::array<double, outputCount>;

// "psianf", "XSE", "psiSE", "psi25", "kappa2525", "kappaGrenz".
const std::array<const char *, outputCount> &outputNames();

// The six results of one calculation through the model's own arithmetic. A fault ends it at
// its step and is returned; the results the calculation had not reached then are NaN (the
// checked arithmetic never lets a NaN through, so NaN means "not reached").
std::optional<ErrorKind> computeOutputs(const InputValues &values, OutputValues &outputs);

} // namespace quelbor
