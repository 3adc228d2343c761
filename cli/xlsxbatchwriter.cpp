#include "xlsxbatchwriter.h"

#include <charconv>

namespace quelbor {

// Every cell comes here, none to the CSV writer's stream.
XlsxBatchWriter::XlsxBatchWriter(const std::string &path, const BatchColumns &columns,
                                 bool allFields, UncertaintyColumns uncertainty)
    : CsvBatchWriter(nullptr, columns, TableFormat{}, allFields, uncertainty)
    , m_table(path)
{}

void XlsxBatchWriter::cell(std::string_view text, bool /*first*/)
{
    m_cells.emplace_back(text);
}

// The shortest text that reads back to the same double, which the workbook reads back.
void XlsxBatchWriter::number(double value)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    m_cells.emplace_back(buffer, written.ptr);
}

void XlsxBatchWriter::endLine()
{
    if (m_header)
        m_table.addHeader(m_cells);
    else
        m_table.addRow(m_cells);
    m_header = false;
    m_cells.clear();
}

} // namespace quelbor
