#pragma once

#include "batchcolumns.h"

#include <optional>
#include <span>

namespace quelbor {

// The first of the wanted names that a column of the table has, compared without regard to the
// case of ASCII letters.
std::optional<std::size_t> columnNamed(const BatchColumns &columns,
                                       std::span<const char *const> wanted);

// The column holding the body's name: "name", "Probe", "Bezeichnung" or "Masse", else the first
// column that is no input; none in a table of inputs only.
std::optional<std::size_t> bodyNameColumn(const BatchColumns &columns);

// The column holding a remark on the body: "Bemerkung" or "remark".
std::optional<std::size_t> remarkColumn(const BatchColumns &columns);

} // namespace quelbor
