#pragma once

#include "comparedbody.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace quelbor {

// What became of opening a table: its bodies, each row calculated as one "Rechne !" (a row that
// cannot be read or calculated keeps its error), or, when the file is refused as a whole, no
// bodies and the reason in German; `systemError` is the system's error number when the file
// could not be opened or read.
struct TableOpening
{
    std::vector<ComparedBody> bodies;
    std::string refusal;
    int systemError = 0;
};

inline constexpr std::size_t largestTableBytes = 16u << 20;
inline constexpr std::size_t mostTableRows = 10000;

// Reads a table as quelbor-calc --batch reads it: the seven inputs by their column names (the
// window's default text for a column the table lacks), the body's name from its name column.
// Refuses a file that is no text in an encoding the batch reads, larger than largestTableBytes,
// with more than mostTableRows rows, or whose first line names no input column.
TableOpening openComparisonTable(const std::string &path);

// The cells of the comparison as a table: the column names (name, the seven inputs, the six
// results, error) and a row a body, its inputs as typed and its results with a decimal comma.
struct ComparisonCells
{
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};
ComparisonCells comparisonTableCells(std::span<const ComparedBody> bodies);

// The comparison as a table quelbor-calc --batch reads: UTF-8 with a byte-order mark (so that a
// spreadsheet takes it for UTF-8), ';' between the cells, a line of column names and a line a
// body: its name, the seven inputs as typed, the six results with a decimal comma, its error.
std::string comparisonTableText(std::span<const ComparedBody> bodies);

} // namespace quelbor
