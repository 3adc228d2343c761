#pragma once

#include "batchwriter.h"
#include "outputbuffer.h"
#include "tablereader.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace quelbor {

// Appends a cell of a CSV line, after the separator unless it is the first, quoted where the
// text holds the separator, a quote or a line break, as spreadsheets quote it.
void appendCsvCell(std::string &out, std::string_view text, char separator, bool first);

// The uncertainty columns of the output: u_txt_… and U_txt_… (law of propagation, k = 2) of
// each result, and with Monte Carlo mc_u_txt_…, mc_low95_txt_…, mc_high95_txt_… of each
// result and mc_failed_trials.
struct UncertaintyColumns
{
    bool gum = false;
    bool monteCarlo = false;
};

// The batch as a table with the input's encoding, separator, line end, byte-order mark and
// separator line ("sep=;", kept so the spreadsheet reopens it the same way): every column of
// the input in its place, the input columns the table lacks (with the default texts used), the six
// results as the window shows them (a decimal comma with ";", else a point), with allFields every
// model value (read back to the same double), the uncertainty columns where asked for (read
// back to the same double, empty where there is no figure), and "error": empty, the window's error
// report
// ("Laufzeitfehler 11: Division durch Null"), or why the row could not be read.
class CsvBatchWriter : public BatchWriter
{
public:
    CsvBatchWriter(std::FILE *output, const BatchColumns &columns, const TableFormat &format,
                   bool allFields, UncertaintyColumns uncertainty = {});

    static std::string decimalSeparatorFor(char separator) { return separator == ';' ? "," : "."; }
    // The names of the columns written after the table's own, in their order.
    static std::vector<std::string> resultColumns(bool allFields, UncertaintyColumns uncertainty);

    void writeHeader() override;
    void writeRow(const BatchSample &sample) override;
    void finish() override { m_output.flush(); }

protected:
    // Where the cells go; the workbook writer takes them into its rows instead.
    virtual void cell(std::string_view text, bool first = false);
    virtual void number(double value);
    virtual void endLine();

private:
    void uncertaintyCells(const UncertaintyEvaluation *evaluation);

    OutputBuffer m_output;
    const BatchColumns &m_columns;
    char m_separator;
    char m_decimal;
    const char *m_lineEnd;
    bool m_byteOrderMark;
    bool m_separatorLine;
    bool m_allFields;
    UncertaintyColumns m_uncertainty;
};

} // namespace quelbor
