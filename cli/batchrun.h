#pragma once

#include "commandline.h"

#include <cstdio>
#include <string>

namespace quelbor {

struct BatchStreams
{
    std::FILE *table;
    std::FILE *output;
    std::FILE *messages;       // warnings, malformed rows, progress when it is a terminal
    std::string workbook = {}; // the file an xlsx workbook is written to, by name, not `output`
};

// Calculates every row of the table as the first "Rechne !" after the window opened, each on
// its own: a fresh model and water-loading table, both charts drawn onto surfaces that keep
// nothing. Writes the rows as they come, so memory stays flat however long the table is.
// Returns the exit status: 0 every row calculated, 1 some row failed or could not be read,
// 2 the table cannot be read, has no usable header, or the output cannot be written.
int runBatch(const BatchRequest &request, const std::string &regionalSeparator,
             const BatchStreams &streams);

} // namespace quelbor
