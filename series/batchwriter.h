#pragma once

#include "batchcolumns.h"
#include "calculationerror.h"
#include "inputtexts.h"
#include "uncertaintyevaluation.h"
#include "windowcalculation.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quelbor {

// One row of a batch with what came of it.
struct BatchSample
{
    long line;                                // where the row starts in the table
    const std::vector<std::string> &cells;    // at least one per column of the header
    const InputTexts &texts;                  // as calculated
    const WindowCalculation &calculation;     // model and water-loading table after the press
    const std::vector<std::string> &results;  // the result texts written before it ended
    std::optional<ErrorKind> error;           // the error that ended the press
    std::string_view malformed;               // "line N: " and why the row could not be read; then
                                              // nothing was calculated
    const UncertaintyEvaluation *uncertainty; // when asked for and the row was calculated
};

// The output cannot be written, and why: thrown by a writer whose output is no stream.
struct WriteFailure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// Writes the rows of a batch in one output format.
class BatchWriter
{
public:
    virtual ~BatchWriter() = default;

    virtual void writeHeader() = 0;
    virtual void writeRow(const BatchSample &sample) = 0;
    virtual void finish() = 0;
};

} // namespace quelbor
