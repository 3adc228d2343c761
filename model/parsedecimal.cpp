#include "parsedecimal.h"

#include "calculationerror.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace quelbor {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text with every "," read as "." and blanks, tabs and line feeds dropped.
std::string normalised(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n')
            continue;
        result.push_back(c == ',' ? '.' : c);
    }
    return result;
}

std::size_t skipDigits(const std::string &s, std::size_t i)
{
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i;
}

// Length of the longest prefix of the form [+-] digits [. digits] [(E|e) [+-] digits], or 0
// when that prefix holds no digit before the exponent.
std::size_t numberPrefixLength(const std::string &s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const std::size_t integerStart = i;
    i = skipDigits(s, i);
    bool anyDigit = i > integerStart;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fractionStart = ++i;
        i = skipDigits(s, i);
        anyDigit = anyDigit || i > fractionStart;
    }
    if (!anyDigit)
        return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const std::size_t exponentEnd = skipDigits(s, j);
        if (exponentEnd > j)
            i = exponentEnd;
    }
    return i;
}

// strtod reads the decimal point of the C locale whatever the process's locale is.
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

} // namespace

double ParseDecimal(std::string_view text)
{
    std::string number = normalised(text);
    number.resize(numberPrefixLength(number));
    if (number.empty())
        return 0.0;

    errno = 0;
    const double value = strtod_l(number.c_str(), nullptr, cLocale());
    if (errno == ERANGE && std::isinf(value))
        throw CalculationError(ErrorKind::Overflow);
    return value;
}

} // namespace quelbor
