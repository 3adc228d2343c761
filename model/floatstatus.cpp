#include "floatstatus.h"

#include "calculationerror.h"

#include <cfenv>

namespace quelbor {

namespace {
constexpr int testedFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
}

void clearFloatStatus()
{
    std::feclearexcept(FE_ALL_EXCEPT);
}

void testFloatStatus()
{
    if (std::fetestexcept(testedFlags) != 0)
        throw CalculationError(ErrorKind::FloatingPoint);
}

FloatStatusGuard::FloatStatusGuard()
    : m_saved(std::fetestexcept(FE_ALL_EXCEPT))
{}

FloatStatusGuard::~FloatStatusGuard()
{
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(m_saved);
}

} // namespace quelbor
