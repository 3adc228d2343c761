#pragma once

namespace quelbor {

// The floating-point status flags the calculation tests: invalid operation, division by zero
// and overflow.
void clearFloatStatus();
// Sets the overflow flag for the next status test, for a value rounded to an infinite float.
void raiseFloatOverflow();
// True when one of the tested flags is set.
bool floatStatusFlagged();
// Throws CalculationError(FloatingPoint) when one of the tested flags is set.
void testFloatStatus();

// Keeps the calculation's flags as they are across toolkit work (painting, layout) that may
// raise flags of its own.
class FloatStatusGuard
{
public:
    FloatStatusGuard();
    ~FloatStatusGuard();
    FloatStatusGuard(const FloatStatusGuard &) = delete;
    FloatStatusGuard &operator=(const FloatStatusGuard &) = delete;

private:
    int m_saved = 0;
};

} // namespace quelbor
