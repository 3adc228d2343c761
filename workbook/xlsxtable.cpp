#include "xlsxtable.h"

#include "safefile.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cstring>
#include <optional>
#include <utility>

namespace quelbor {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The digits from `at` on; returns where they end.
std::size_t skipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

struct NumberCell
{
    double value;
    std::size_t decimals; // shown after the decimal separator; 0: as the number needs
};

// The number a cell holds as the batch writes numbers, or nothing.
std::optional<NumberCell> numberIn(std::string_view text)
{
    std::size_t at = text.starts_with('-') ? 1 : 0;
    const std::size_t integer = at;
    at = skipDigits(text, at);
    if (at == integer || (text[integer] == '0' && at - integer > 1))
        return std::nullopt;
    std::size_t decimals = 0;
    if (at < text.size() && (text[at] == ',' || text[at] == '.')) {
        const std::size_t fraction = at + 1;
        at = skipDigits(text, fraction);
        decimals = at - fraction;
        if (decimals == 0)
            return std::nullopt;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        decimals = 0;
        ++at;
        if (at < text.size() && (text[at] == '-' || text[at] == '+'))
            ++at;
        const std::size_t exponent = at;
        at = skipDigits(text, at);
        if (at == exponent)
            return std::nullopt;
    }
    if (at != text.size())
        return std::nullopt;
    std::string plain(text);
    std::replace(plain.begin(), plain.end(), ',', '.');
    double value = 0;
    const auto read = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (read.ec != std::errc())
        return std::nullopt;
    return NumberCell{value, decimals};
}

// The length of the UTF-8 sequence at the start of `text` and its code point, or 0 where the
// bytes are no UTF-8 (overlong forms and surrogates included).
std::size_t utf8Sequence(std::string_view text, char32_t &code)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length)
        return 0;
    code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool allowedInWorkbook(char32_t code)
{
    return (code >= 0x20 || code == '\t' || code == '\n' || code == '\r') && code != 0xFFFE &&
           code != 0xFFFF;
}

bool isHex(char c)
{
    return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The text as a workbook holds it: valid UTF-8 of characters XML allows, and a "_x0041_" of
// the text itself escaped, since a workbook reads that form as the character it names.
void workbookText(std::string_view text, std::string &out)
{
    out.clear();
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        const std::size_t length = utf8Sequence(text.substr(at), code);
        if (length == 0 || !allowedInWorkbook(code)) {
            out += "\xEF\xBF\xBD";
            at += length == 0 ? 1 : length;
            continue;
        }
        const std::string_view rest = text.substr(at);
        if (rest.size() >= 7 && rest.starts_with("_x") && rest[6] == '_' &&
            std::all_of(rest.begin() + 2, rest.begin() + 6, isHex))
            out += "_x005F";
        out.append(text.substr(at, length));
        at += length;
    }
}

// libxlsxwriter prints numbers with the C library's printf, whose decimal mark follows the
// locale: in a program that took German regional settings it would write "0,382" into the
// worksheet, which no spreadsheet reads. While it writes, this thread takes the C locale's.
class PointNumbers
{
public:
    PointNumbers()
        : m_previous(uselocale(pointLocale()))
    {}
    ~PointNumbers() { uselocale(m_previous); }
    PointNumbers(const PointNumbers &) = delete;
    PointNumbers &operator=(const PointNumbers &) = delete;

private:
    static locale_t pointLocale()
    {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
        return locale;
    }

    locale_t m_previous;
};

XlsxFailure failure(lxw_error error)
{
    std::string reason = lxw_strerror(error);
    if (errno != 0)
        reason.append(" (").append(std::strerror(errno)).append(")");
    return XlsxFailure{reason};
}

} // namespace

XlsxTable::XlsxTable(const std::string &path)
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    m_workbook = workbook_new_opt(path.c_str(), &options);
    m_sheet = m_workbook ? workbook_add_worksheet(m_workbook, nullptr) : nullptr;
    if (!m_sheet) {
        lxw_workbook_free(m_workbook);
        throw XlsxFailure("the workbook cannot be made");
    }
}

XlsxTable::~XlsxTable()
{
    // Unclosed after a failure: the workbook is dropped unwritten. Its file is the caller's.
    lxw_workbook_free(m_workbook);
}

void XlsxTable::addHeader(std::span<const std::string> names)
{
    for (std::size_t column = 0; column < names.size(); ++column)
        write(static_cast<std::uint16_t>(column), names[column], false);
    ++m_row;
}

void XlsxTable::addRow(std::span<const std::string> cells)
{
    if (cells.size() > LXW_COL_MAX)
        throw XlsxFailure("a row has more cells than a worksheet has columns (16384)");
    for (std::size_t column = 0; column < cells.size(); ++column)
        write(static_cast<std::uint16_t>(column), cells[column], true);
    ++m_row;
}

void XlsxTable::write(std::uint16_t column, std::string_view text, bool numbers)
{
    if (m_row >= LXW_ROW_MAX)
        throw XlsxFailure("the table has more rows than a worksheet holds (1048576)");
    const PointNumbers pointNumbers;
    lxw_error error = LXW_NO_ERROR;
    errno = 0;
    const auto number = numbers ? numberIn(text) : std::nullopt;
    if (number) {
        error = worksheet_write_number(m_sheet, m_row, column, number->value,
                                       decimalsFormat(number->decimals));
    } else if (!text.empty()) {
        workbookText(text, m_text);
        error = worksheet_write_string(m_sheet, m_row, column, m_text.c_str(), nullptr);
    }
    if (error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED) {
        throw XlsxFailure("row " + std::to_string(m_row + 1) +
                          ": a cell longer than a worksheet cell holds (32767 characters)");
    }
    if (error != LXW_NO_ERROR)
        throw failure(error);
}

// "0.000" for three decimals; none for a number without a fixed count.
lxw_format *XlsxTable::decimalsFormat(std::size_t decimals)
{
    if (decimals == 0)
        return nullptr;
    lxw_format *&format = m_formats[decimals];
    if (!format) {
        format = workbook_add_format(m_workbook);
        format_set_num_format(format, ("0." + std::string(decimals, '0')).c_str());
    }
    return format;
}

void XlsxTable::close()
{
    const PointNumbers pointNumbers;
    lxw_workbook *workbook = std::exchange(m_workbook, nullptr);
    errno = 0;
    const lxw_error error = workbook_close(workbook);
    if (error != LXW_NO_ERROR)
        throw failure(error);
}

void writeXlsxTable(const std::string &path, std::span<const std::string> header,
                    std::span<const std::vector<std::string>> rows)
{
    SafeFile file(path);
    if (!file.throughTemporary())
        throw FileError(path, ENOTSUP);
    XlsxTable table(file.temporaryPath());
    table.addHeader(header);
    for (const std::vector<std::string> &row : rows)
        table.addRow(row);
    table.close();
    file.commit();
}

} // namespace quelbor
