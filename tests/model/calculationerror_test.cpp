#include "calculationerror.h"

#include <gtest/gtest.h>

using quelbor::CalculationError;
using quelbor::ErrorKind;

namespace {

TEST(CalculationError, EachKindHasItsNumberNameAndGermanText)
{
    const struct
    {
        ErrorKind kind;
        int number;
        const char *name; // as scripts read it from the command-line tool
        const char *text;
    } kinds[] = {
        {ErrorKind::InvalidArgument, 5, "invalid-argument",
         "Ungültiger Prozeduraufruf oder ungültiges Argument"},
        {ErrorKind::Overflow, 6, "overflow", "Überlauf"},
        {ErrorKind::SubscriptOutOfRange, 9, "subscript-out-of-range",
         "Index außerhalb des gültigen Bereichs"},
        {ErrorKind::DivisionByZero, 11, "division-by-zero", "Division durch Null"},
        {ErrorKind::FloatingPoint, 12, "floating-point", "Gleitkommafehler"},
    };
    for (const auto &k : kinds) {
        const CalculationError error(k.kind);
        EXPECT_EQ(error.kind(), k.kind);
        EXPECT_EQ(error.number(), k.number);
        EXPECT_EQ(quelbor::errorKindName(k.kind), k.name);
        EXPECT_EQ(error.text(), k.text);
        EXPECT_STREQ(error.what(), k.text);
    }
}

} // namespace
