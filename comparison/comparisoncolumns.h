#pragma once

#include "comparedbody.h"

#include <span>
#include <string>
#include <string_view>

namespace quelbor {

// A column of the comparison's table, in the order the window shows its boxes from top to
// bottom: the name, the seven inputs, the six results, then the error.
struct ComparisonColumn
{
    enum class Kind { Name, Input, Result, Error };

    Kind kind;
    std::string_view caption; // the label captioning the box in the window, blanks collapsed
    std::string InputTexts::*input = nullptr; // Input
    std::size_t result = 0;                   // Result: index into the six results
};

std::span<const ComparisonColumn> comparisonColumns();

// The text of a body's cell as the table shows it: inputs as typed, results with the decimal
// separator of the regional settings, empty results of a body whose calculation failed.
std::string cellText(const ComparedBody &body, const ComparisonColumn &column,
                     std::string_view decimalSeparator);

// The table for a spreadsheet: a line of captions, then a line a body, tab-separated; inputs'
// and results' decimal signs with the given separator, tabs and line breaks in a text as blanks.
std::string comparisonClipboardTable(std::span<const ComparedBody> bodies,
                                     std::string_view decimalSeparator);

} // namespace quelbor
