#pragma once

#include "batchrequest.h"
#include "csvbatchwriter.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace quelbor {

// How far a batch has come.
struct BatchCounts
{
    long rows = 0;                // rows calculated or found malformed
    long failed = 0;              // of them, rows that failed or could not be read
    std::uintmax_t bytesRead = 0; // of the table
    bool finished = false;        // every row is done
};

// Told the counts after every `progressRows` rows and once when the last row is done.
using BatchProgressHook = std::function<void(const BatchCounts &)>;
constexpr long progressRows = 4096;

// Makes the writer of a batch for its columns and uncertainty figures.
using BatchWriterMaker =
    std::function<std::unique_ptr<BatchWriter>(const BatchColumns &, UncertaintyColumns)>;

struct BatchStreams
{
    std::FILE *table;
    std::FILE *output;
    std::FILE *messages; // warnings, malformed rows
    BatchProgressHook progress = {};
    // The writer of a format this folder does not write itself (a workbook); none when absent.
    BatchWriterMaker otherFormat = {};
};

// Calculates every row of the table as the first "Rechne !" after the window opened, each on
// its own: a fresh model and water-loading table, both charts drawn onto surfaces that keep
// nothing. Writes the rows as they come, so memory stays flat however long the table is.
// Returns the exit status: 0 every row calculated, 1 some row failed or could not be read,
// 2 the table cannot be read, has no usable header, or the output cannot be written.
int runBatch(const BatchRequest &request, const std::string &regionalSeparator,
             const BatchStreams &streams);

} // namespace quelbor
