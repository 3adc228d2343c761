#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace quelbor {

// A workbook that could not be written, and why.
struct XlsxFailure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// A table as an .xlsx workbook of one worksheet: a header row of texts, then the rows. A cell
// that is a number as the batch writes it (an optional minus, digits without a leading zero,
// a decimal comma or point with digits, an exponent: "1850", "0,382", "-3.2e-08") becomes a
// number shown with the decimals of its text; every other cell ("007", "1 850", a name) stays
// text, with bytes that are no UTF-8 and characters a workbook cannot hold as U+FFFD. Rows go
// to libxlsxwriter's temporary file as they come, so memory stays flat however long the table
// is; close() puts the workbook together at `path`. Every failure throws XlsxFailure.
class XlsxTable
{
public:
    explicit XlsxTable(const std::string &path);
    ~XlsxTable();
    XlsxTable(const XlsxTable &) = delete;
    XlsxTable &operator=(const XlsxTable &) = delete;

    void addHeader(std::span<const std::string> names);
    void addRow(std::span<const std::string> cells);
    void close();

private:
    void write(std::uint16_t column, std::string_view text, bool numbers);
    lxw_format *decimalsFormat(std::size_t decimals);

    lxw_workbook *m_workbook;
    lxw_worksheet *m_sheet;
    std::map<std::size_t, lxw_format *> m_formats;
    std::uint32_t m_row = 0;
    std::string m_text;
};

// Writes header and rows as a workbook to `path` through SafeFile: the old file stays as it
// was unless the whole workbook was written. A path that is no regular file (standard output,
// a device, a FIFO) is refused. Throws FileError or XlsxFailure.
void writeXlsxTable(const std::string &path, std::span<const std::string> header,
                    std::span<const std::vector<std::string>> rows);

} // namespace quelbor
