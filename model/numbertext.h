#pragma once

#include <charconv>
#include <string>

namespace quelbor {

// A double written with a decimal point and `precision` digits as std::to_chars writes it
// (scientific: digits after the point; general: significant digits), whatever the process's
// locale is.
std::string numberText(double value, std::chars_format format, int precision);

// The shortest text that reads back to the same double, as std::to_chars writes it without a
// format: fixed or scientific, whichever is shorter (fixed when both are as long).
std::string shortestNumberText(double value);

} // namespace quelbor
