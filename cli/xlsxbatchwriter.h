#pragma once

#include "csvbatchwriter.h"
#include "xlsxtable.h"

#include <string>
#include <string_view>
#include <vector>

namespace quelbor {

// The batch as an .xlsx workbook at `path`: the columns and cells of the CSV table, the six
// results, the model values and the uncertainty figures as numbers (see XlsxTable).
class XlsxBatchWriter : public CsvBatchWriter
{
public:
    XlsxBatchWriter(const std::string &path, const BatchColumns &columns, bool allFields,
                    UncertaintyColumns uncertainty);

    void finish() override { m_table.close(); }

protected:
    void cell(std::string_view text, bool first) override;
    void number(double value) override;
    void endLine() override;

private:
    XlsxTable m_table;
    std::vector<std::string> m_cells;
    bool m_header = true;
};

} // namespace quelbor
