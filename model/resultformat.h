#pragma once

#include <string>
#include <string_view>

namespace quelbor {

// Formats a result as the number patterns "#0.000" (decimals 3) and "#0.0" (decimals 1): at
// least one digit before the separator, exactly `decimals` after it, no grouping, no exponent,
// "-" for negative values. The value's 15-significant-digit decimal form is rounded half away
// from zero, so 1.0005 gives 1,001 with separator ",". A value that is not finite throws
// CalculationError(Overflow).
std::string formatResult(double value, int decimals, std::string_view separator);

} // namespace quelbor
