#include "floatstatus.h"

#include "calculationerror.h"

#include <cfenv>

namespace quelbor {

namespace {

#ifdef __wasm__
// WebAssembly has no floating-point status flags: its arithmetic is IEEE 754 but records
// nothing, and <cfenv> there reads and clears nothing. The calculation can do without the
// hardware's flags: every step of its checked arithmetic tests its own result and throws at
// once, before anything could read a flag that step set, so the only flag a status test ever
// finds is the overflow raised on purpose by raiseFloatOverflow. That one flag is kept in a
// word of our own here, and the status tests see what they see on other processors.
constexpr int overflowFlag = 1;
constexpr int testedFlags = overflowFlag;
constexpr int allFlags = overflowFlag;
int softwareFlags = 0;

void clearFlags()
{
    softwareFlags = 0;
}
void raiseFlags(int raised)
{
    softwareFlags |= raised;
}
int flagsSet(int mask)
{
    return softwareFlags & mask;
}
#else
constexpr int overflowFlag = FE_OVERFLOW | FE_INEXACT;
constexpr int testedFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
constexpr int allFlags = FE_ALL_EXCEPT;

void clearFlags()
{
    std::feclearexcept(FE_ALL_EXCEPT);
}
void raiseFlags(int raised)
{
    std::feraiseexcept(raised);
}
int flagsSet(int mask)
{
    return std::fetestexcept(mask);
}
#endif

} // namespace

void clearFloatStatus()
{
    clearFlags();
}

void raiseFloatOverflow()
{
    raiseFlags(overflowFlag);
}

bool floatStatusFlagged()
{
    return flagsSet(testedFlags) != 0;
}

void testFloatStatus()
{
    if (floatStatusFlagged())
        throw CalculationError(ErrorKind::FloatingPoint);
}

FloatStatusGuard::FloatStatusGuard()
    : m_saved(flagsSet(allFlags))
{}

FloatStatusGuard::~FloatStatusGuard()
{
    clearFlags();
    raiseFlags(m_saved);
}

} // namespace quelbor
