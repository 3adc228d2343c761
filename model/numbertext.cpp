#include "numbertext.h"

#include <cstdio>

namespace quelbor {

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
std::string numberText(double value, std::chars_format format, int precision)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return {buffer, written.ptr};
}
#else
// The WebAssembly build's C++ library has no floating-point to_chars. Its C library (musl)
// formats exactly too and knows no regional decimal separator: printf writes a point under
// every locale, so the text is the one to_chars writes.
std::string numberText(double value, std::chars_format format, int precision)
{
    const char *const pattern = format == std::chars_format::scientific ? "%.*e" : "%.*g";
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, pattern, precision, value);
    return {buffer, static_cast<std::size_t>(length)};
}
#endif

} // namespace quelbor
