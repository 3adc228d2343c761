#pragma once

#include <string_view>

namespace quelbor {

// Reads the number at the start of an entered text (UTF-8). Every "," counts as the decimal
// point, blanks, tabs and line feeds are skipped wherever they stand, and whatever cannot
// continue the number ends it; text without a digit reads as 0. The result is the double
// nearest to the decimal value. Throws CalculationError(Overflow) when that double would be
// infinite; values too small for a double read as 0 or a subnormal without error.
double ParseDecimal(std::string_view text);

} // namespace quelbor
