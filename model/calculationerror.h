#pragma once

#include <stdexcept>
#include <string>

namespace quelbor {

// The faults that end a calculation. The numbers are stable: users quote them from the
// error report, and scripts read them from the command-line tool.
enum class ErrorKind {
    InvalidArgument,     // negative base under a fractional power, logarithm of zero or less
    Overflow,            // a result, or its rounding to single precision, beyond range
    SubscriptOutOfRange, // an index outside the water-loading table
    DivisionByZero,      // a zero divisor, 0/0 included
    FloatingPoint,       // a floating-point status flag found set at a status test
};

int errorNumber(ErrorKind kind);
std::string errorText(ErrorKind kind); // German, UTF-8
std::string errorKindName(ErrorKind kind);

// The one exception type of the calculation: thrown at the step that faults, never caught
// inside the model, so that every field computed before that step keeps its new value.
class CalculationError : public std::runtime_error
{
public:
    explicit CalculationError(ErrorKind kind);

    ErrorKind kind() const { return m_kind; }
    int number() const { return errorNumber(m_kind); }
    std::string text() const { return errorText(m_kind); }

private:
    ErrorKind m_kind;
};

} // namespace quelbor
