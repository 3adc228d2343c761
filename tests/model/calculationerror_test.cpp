#include "calculationerror.h"

#include <gtest/gtest.h>

#include <set>

using quelbor::CalculationError;
using quelbor::ErrorKind;

namespace {

TEST(CalculationError, EachKindHasItsNumberAndGermanText)
{
    const struct
    {
        ErrorKind kind;
        int number;
        const char *text;
    } kinds[] = {
        {ErrorKind::InvalidArgument, 5, "Ungültiger Prozeduraufruf oder ungültiges Argument"},
        {ErrorKind::Overflow, 6, "Überlauf"},
        {ErrorKind::SubscriptOutOfRange, 9, "Index außerhalb des gültigen Bereichs"},
        {ErrorKind::DivisionByZero, 11, "Division durch Null"},
        {ErrorKind::FloatingPoint, 12, "Gleitkommafehler"},
    };
    std::set<std::string> names;
    for (const auto &k : kinds) {
        const CalculationError error(k.kind);
        EXPECT_EQ(error.kind(), k.kind);
        EXPECT_EQ(error.number(), k.number);
        EXPECT_EQ(error.text(), k.text);
        EXPECT_STREQ(error.what(), k.text);
        names.insert(quelbor::errorKindName(k.kind));
    }
    EXPECT_EQ(names.size(), 5u) << "kind names must be distinct";
}

} // namespace
