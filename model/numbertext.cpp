#include "numbertext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace quelbor {

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
std::string numberText(double value, std::chars_format format, int precision)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return {buffer, written.ptr};
}

std::string shortestNumberText(double value)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return {buffer, written.ptr};
}
#else
// The WebAssembly build's C++ library has no floating-point to_chars. Its C library (musl)
// formats exactly too and knows no regional decimal separator: printf writes a point under
// every locale, so the text is the one to_chars writes.
std::string numberText(double value, std::chars_format format, int precision)
{
    const char *const pattern = format == std::chars_format::scientific ? "%.*e"
                                : format == std::chars_format::fixed    ? "%.*f"
                                                                        : "%.*g";
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, pattern, precision, value);
    return {buffer, static_cast<std::size_t>(length)};
}

namespace {

// The significant digits (no trailing zeros) and the decimal exponent of the fewest digits
// that read back to `value`, a finite number; a minus sign stays in front of the digits.
std::pair<std::string, int> shortestDigits(double value)
{
    char buffer[64];
    for (int precision = 0;; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision, value);
        if (std::strtod(buffer, nullptr) == value || precision == 16)
            break;
    }
    const std::string scientific = buffer;
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(0, e)) {
        if (c != '.')
            digits += c;
    }
    const std::size_t last = digits.find_last_not_of('0');
    digits.erase(last == std::string::npos || digits[last] == '-' ? last + 2 : last + 1);
    return {digits, std::atoi(scientific.c_str() + e + 1)};
}

} // namespace

std::string shortestNumberText(double value)
{
    if (!std::isfinite(value))
        return numberText(value, std::chars_format::general, 6);
    auto [digits, exponent] = shortestDigits(value);
    const std::string sign = digits.front() == '-' ? "-" : "";
    digits.erase(0, sign.size());
    const auto count = static_cast<int>(digits.size());
    std::string scientific = sign + digits.front();
    if (count > 1)
        scientific += '.' + digits.substr(1);
    const int magnitude = exponent < 0 ? -exponent : exponent;
    scientific += std::string(exponent < 0 ? "e-" : "e+") + (magnitude < 10 ? "0" : "") +
                  std::to_string(magnitude);
    // fixed: a whole number with every digit, or the digits around a point
    const auto fixedSize = static_cast<std::size_t>(exponent < 0            ? count + 1 - exponent
                                                    : count <= exponent + 1 ? exponent + 1
                                                                            : count + 1) +
                           sign.size();
    if (fixedSize > scientific.size())
        return scientific;
    if (exponent < 0)
        return sign + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    if (count <= exponent + 1)
        return numberText(value, std::chars_format::fixed, 0);
    return sign + digits.substr(0, static_cast<std::size_t>(exponent + 1)) + '.' +
           digits.substr(static_cast<std::size_t>(exponent + 1));
}
#endif

} // namespace quelbor
