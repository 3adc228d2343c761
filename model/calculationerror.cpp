#include "calculationerror.h"

namespace quelbor {

namespace {

struct ErrorDescription
{
    int number;
    const char *name;
    const char *text;
};

// The numbers and German texts of the error report. Users quote them, and scripts read them
// from the command-line tool, so they never change.
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
    // No kind of the enumeration reaches this; it answers a value cast into ErrorKind from
    // elsewhere with a report rather than undefined behaviour.
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
