#include "batchrun.h"

#include "batchcolumns.h"
#include "batchprogress.h"
#include "csvbatchwriter.h"
#include "jsonlbatchwriter.h"
#include "outputbuffer.h"
#include "tablereader.h"
#include "windowcalculation.h"
#include "xlsxbatchwriter.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace quelbor {

namespace {

struct BatchFailure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

BatchColumns readHeader(TableReader &reader, const BatchStreams &streams)
{
    TableRow header;
    if (!reader.next(header)) {
        throw BatchFailure(reader.failed() ? "the table cannot be read"
                                           : "line 1: the table has no header");
    }
    const std::string line = "line " + std::to_string(header.line) + ": ";
    if (!header.malformed.empty())
        throw BatchFailure(line + "the header cannot be read: " + header.malformed);
    std::string error;
    header.cells.resize(header.count);
    // the columns an earlier batch wrote, whatever it was asked for, are replaced
    auto columns = BatchColumns::fromHeader(header.cells, error,
                                            CsvBatchWriter::resultColumns(true, {true, true}));
    if (!columns)
        throw BatchFailure(line + error);
    for (std::size_t input = 0; input < inputFields.size(); ++input) {
        if (columns->inputColumns()[input] == BatchColumns::missing) {
            std::fprintf(streams.messages,
                         "quelbor-calc: warning: no column %s, every row takes the window's "
                         "default text \"%s\"\n",
                         inputFields[input].name, (InputTexts{}.*inputFields[input].text).c_str());
        }
    }
    return std::move(*columns);
}

// Uncertainty columns and figures only where a table or an option asks for them, so the
// output of every other table stays as it was, byte for byte.
struct UncertaintyPlan
{
    bool wanted;
    const UncertaintyRequest &request;

    UncertaintySettings settings() const
    {
        return {request.trials.has_value(), request.trials.value_or(0), request.seed};
    }
};

std::unique_ptr<BatchWriter> makeWriter(const BatchRequest &request, const BatchColumns &columns,
                                        const TableReader &reader, const BatchStreams &streams,
                                        const UncertaintyPlan &uncertainty)
{
    const UncertaintyColumns figures{uncertainty.wanted,
                                     uncertainty.wanted && request.uncertainty.trials};
    if (request.format == BatchFormat::Jsonl)
        return std::make_unique<JsonlBatchWriter>(streams.output, columns);
    if (request.format == BatchFormat::Xlsx) {
        return std::make_unique<XlsxBatchWriter>(streams.workbook, columns, request.allFields,
                                                 figures);
    }
    return std::make_unique<CsvBatchWriter>(streams.output, columns, reader.format(),
                                            request.allFields, figures);
}

struct RowCounts
{
    long rows;
    long failed;
};

// Reads, calculates and writes every row.
// Only the JSON lines hold the water-loading table.
RowCounts calculateRows(TableReader &reader, const BatchColumns &columns, BatchWriter &writer,
                        const std::string &decimalSeparator, bool withLoadingScale,
                        const UncertaintyPlan &uncertainty, std::FILE *messages)
{
    StatedUncertainties stated;
    std::optional<UncertaintyEvaluation> evaluation;
    std::vector<std::string> results;
    InputTexts texts;
    TableRow row;
    std::string malformed;
    BatchProgress progress(messages);
    const std::size_t width = columns.names().size();

    while (reader.next(row)) {
        malformed.clear();
        if (!row.malformed.empty())
            malformed = row.malformed;
        else if (row.count > width)
            malformed =
                std::to_string(row.count) + " cells where the header has " + std::to_string(width);
        if (row.cells.size() < width)
            row.cells.resize(width);
        for (std::size_t cell = std::min(row.count, width); cell < width; ++cell)
            row.cells[cell].clear();

        WindowCalculation calculation(decimalSeparator);
        results.clear();
        std::optional<ErrorKind> error;
        evaluation.reset();
        stated = uncertainty.request.stated;
        if (malformed.empty() && !columns.readUncertainties(row.cells, stated, malformed))
            malformed.insert(0, "column ");
        if (malformed.empty()) {
            columns.readTexts(row.cells, texts);
            error = calculation.pressUnseen(texts, results, withLoadingScale);
            if (uncertainty.wanted && !error) {
                evaluation =
                    evaluateUncertainty(enteredValues(texts), stated, uncertainty.settings());
            }
        } else {
            malformed.insert(0, "line " + std::to_string(row.line) + ": ");
            std::fprintf(messages, "quelbor-calc: %s\n", malformed.c_str());
        }
        writer.writeRow({row.line, row.cells, texts, calculation, results, error, malformed,
                         evaluation ? &*evaluation : nullptr});
        progress.rowDone(error || !malformed.empty());
    }
    progress.finish();
    return {progress.rows(), progress.failed()};
}

} // namespace

int runBatch(const BatchRequest &request, const std::string &regionalSeparator,
             const BatchStreams &streams)
{
    try {
        TableReader reader(streams.table);
        const BatchColumns columns = readHeader(reader, streams);
        const UncertaintyPlan uncertainty{columns.hasUncertaintyColumns() ||
                                              request.uncertainty.optionGiven,
                                          request.uncertainty};
        const auto writer = makeWriter(request, columns, reader, streams, uncertainty);
        writer->writeHeader();
        const bool jsonLines = request.format == BatchFormat::Jsonl;
        const std::string decimalSeparator =
            jsonLines ? regionalSeparator
                      : CsvBatchWriter::decimalSeparatorFor(reader.format().separator);
        const RowCounts counts = calculateRows(reader, columns, *writer, decimalSeparator,
                                               jsonLines, uncertainty, streams.messages);
        writer->finish();
        if (reader.failed())
            throw BatchFailure("the table cannot be read to its end");
        if (counts.failed == 0)
            return 0;
        std::fprintf(streams.messages, "quelbor-calc: %ld of %ld rows failed\n", counts.failed,
                     counts.rows);
        return 1;
    } catch (const OutputFailure &failure) {
        const bool standardOutput = request.output.empty() || request.output == "-";
        std::fprintf(streams.messages, "quelbor-calc: cannot write %s: %s\n",
                     standardOutput ? "standard output" : request.output.c_str(), failure.what());
        return 2;
    } catch (const XlsxFailure &failure) {
        std::fprintf(streams.messages, "quelbor-calc: cannot write %s: %s\n",
                     request.output.c_str(), failure.what());
        return 2;
    } catch (const std::runtime_error &failure) {
        std::fprintf(streams.messages, "quelbor-calc: %s\n", failure.what());
        return 2;
    }
}

} // namespace quelbor
