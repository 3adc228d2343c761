#include "portablelog.h"

#include <cmath>

namespace quelbor {

double portableLog(double x)
{
    // x = m·2^e with m in [√½, √2), so that s = (m − 1)/(m + 1) stays within ±0.1716 and
    // ln m = 2 atanh s = 2 (s + s³/3 + s⁵/5 + …). Eleven terms: the first one left out,
    // s²³/23, is below 1e-18 of ln m. Only + − × ÷ of IEEE doubles and exact scalings.
    int e = 0;
    double m = std::frexp(x, &e); // m in [0.5, 1)
    if (m < 0.70710678118654752440) {
        m = std::ldexp(m, 1);
        e -= 1;
    }
    const double s = (m - 1) / (m + 1);
    const double s2 = s * s;
    double series = 1.0 / 21;
    for (int odd = 19; odd >= 1; odd -= 2)
        series = 1.0 / odd + s2 * series;
    const double lnM = 2 * s * series;
    // ln 2 in two parts: the high part has 33 significant bits, so e · high is exact for every
    // exponent of a double (11 bits), and the low part adds what those bits leave out.
    constexpr double ln2High = 0x1.62e42fefp-1;
    constexpr double ln2Low = 0x1.473de6af278edp-34;
    return e * ln2High + (e * ln2Low + lnM);
}

} // namespace quelbor
