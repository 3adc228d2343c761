#include "calculationerror.h"

namespace quelbor {

namespace {

struct ErrorDescription
{
    int number;
    const char *name;
    const char *text;
};

// The classic BASIC runtime numbers and their German texts, which users of the window know
// from the report; 12 is free there and carries the status-flag fault.
ErrorDescription describe(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::InvalidArgument:
        return {5, "invalid-argument", "Ungültiger Prozeduraufruf oder ungültiges Argument"};
    case ErrorKind::Overflow:
        return {6, "overflow", "Überlauf"};
    case ErrorKind::SubscriptOutOfRange:
        return {9, "subscript-out-of-range", "Index außerhalb des gültigen Bereichs"};
    case ErrorKind::DivisionByZero:
        return {11, "division-by-zero", "Division durch Null"};
    case ErrorKind::FloatingPoint:
        return {12, "floating-point", "Gleitkommafehler"};
    }
    return {0, "unknown", "Unbekannter Fehler"};
}

} // namespace

int errorNumber(ErrorKind kind)
{
    return describe(kind).number;
}

std::string errorText(ErrorKind kind)
{
    return describe(kind).text;
}

std::string errorKindName(ErrorKind kind)
{
    return describe(kind).name;
}

CalculationError::CalculationError(ErrorKind kind)
    : std::runtime_error(errorText(kind))
    , m_kind(kind)
{}

} // namespace quelbor
