#pragma once

#include "batchwriter.h"
#include "outputbuffer.h"

#include <cstdio>

namespace quelbor {

// The batch as JSON Lines: one object per row with its "line", the carried columns by name
// ("columns"), and then what the single-body output reports for the row's texts ("inputs",
// "model", "results", "psiMarks", "XlastPlotted", "error"). A row that could not be read has
// only its line, the columns read and an error of kind "malformed-row".
class JsonlBatchWriter : public BatchWriter
{
public:
    JsonlBatchWriter(std::FILE *output, const BatchColumns &columns);

    void writeHeader() override {}
    void writeRow(const BatchSample &sample) override;
    void finish() override { m_output.flush(); }

private:
    OutputBuffer m_output;
    const BatchColumns &m_columns;
};

} // namespace quelbor
