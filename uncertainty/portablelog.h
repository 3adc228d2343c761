#pragma once

namespace quelbor {

// The natural logarithm of x > 0 from frexp, ldexp and a fixed series, so that it gives the
// same bits under every C library (glibc's and musl's log may differ in the last bit). Within
// 2 ulp of the true value; only the random deviates use it.
double portableLog(double x);

} // namespace quelbor
