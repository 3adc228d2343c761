#include "checkedmath.h"

#include "calculationerror.h"
#include "floatstatus.h"

#include <cmath>
#include <limits>

namespace quelbor::checked {

namespace {

// Halfway between the largest float and the next power of two: from here on a double rounds
// to an infinite float (the tie goes to the even neighbour, which is infinity).
constexpr double floatOverflowThreshold = 0x1.ffffffp+127;

double finite(double result)
{
    if (!std::isfinite(result))
        throw CalculationError(ErrorKind::Overflow);
    return result;
}

} // namespace

double add(double a, double b)
{
    return finite(a + b);
}

double sub(double a, double b)
{
    return finite(a - b);
}

double mul(double a, double b)
{
    return finite(a * b);
}

double div(double a, double b)
{
    if (b == 0)
        throw CalculationError(ErrorKind::DivisionByZero);
    return finite(a / b);
}

double pow(double a, double b)
{
    if (a < 0 && std::trunc(b) != b)
        throw CalculationError(ErrorKind::InvalidArgument);
    if (a == 0 && b < 0)
        throw CalculationError(ErrorKind::DivisionByZero);
    return finite(std::pow(a, b));
}

double ln(double v)
{
    if (!(v > 0))
        throw CalculationError(ErrorKind::InvalidArgument);
    return std::log(v);
}

float toSingle(double v)
{
    if (std::fabs(v) >= floatOverflowThreshold)
        throw CalculationError(ErrorKind::Overflow);
    return static_cast<float>(v);
}

float toSingleFlagged(double v)
{
    if (std::fabs(v) >= floatOverflowThreshold) {
        raiseFloatOverflow();
        const float infinity = std::numeric_limits<float>::infinity();
        return v < 0 ? -infinity : infinity;
    }
    return static_cast<float>(v);
}

double oneThird()
{
    const double result = 1.0 / 3.0;
    testFloatStatus();
    return result;
}

} // namespace quelbor::checked
