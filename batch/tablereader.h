#pragma once

#include "textencoding.h"

#include <csv.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace quelbor {

// How a table is written: its encoding, what its rows are separated by, whether it starts
// with a byte-order mark and with a spreadsheet's separator line ("sep=;").
struct TableFormat
{
    TextEncoding encoding = TextEncoding::Utf8;
    char separator = ';';
    bool crlf = false; // the first line ends with CR LF
    bool byteOrderMark = false;
    bool separatorLine = false;
};

// One row of a table as read.
struct TableRow
{
    long line = 0;                  // the line the row starts on, from 1
    std::vector<std::string> cells; // only the first `count` belong to this row
    std::size_t count = 0;
    std::string malformed; // empty, or why the row could not be read
};

// Reads a table of rows from a stream, one row at a time, with libcsv: fields separated by the
// separator its first line uses most (";", tab or ","), quoted as spreadsheets quote them
// (separators, quotes and line breaks inside quotes), LF or CR LF line ends. The encoding is judged
// from the first block (judgeEncoding): UTF-8, Windows-1252 or UTF-16 with its byte-order mark,
// decoded to UTF-8; next() throws std::runtime_error naming what was found when the table is not
// text it reads. A first line "sep=X" (also quoted), as spreadsheets write it, sets the separator
// and is no row; it still counts as line 1. Cells are kept exactly as written, blanks included.
// Memory stays bounded: a row longer than `maximumRowBytes` is reported as malformed and skipped up
// to the end of its line. A quote still open at the end of the stream makes its row malformed, and
// the lines after the row's first line are read again as rows of their own, so no row is lost to a
// stray quote.
class TableReader
{
public:
    static constexpr std::size_t maximumRowBytes = 1 << 20;

    explicit TableReader(std::FILE *input);
    ~TableReader();
    TableReader(const TableReader &) = delete;
    TableReader &operator=(const TableReader &) = delete;

    // The next row into `row` (its vectors are reused); false at the end of the table.
    // Throws std::runtime_error when the table is not text.
    bool next(TableRow &row);

    const TableFormat &format() const { return m_format; }
    bool failed() const { return m_failed; }                 // reading the stream failed
    std::uintmax_t bytesRead() const { return m_bytesRead; } // of the stream, so far

    // Called by libcsv.
    void addCell(const char *text, std::size_t size);
    void endRow();

private:
    bool readChunk();
    void readFirstBlock();
    bool fillChunk();
    void feedLine(std::string_view line);
    bool readSeparatorLine(std::string_view line);
    void detectSeparator(std::string_view line);
    void useSeparator(char separator);
    void startParser();
    void finish();
    void reportMalformed(long line, std::string reason);
    TableRow &slot();

    std::FILE *m_input;
    csv_parser m_parser{};
    bool m_encodingKnown = false;
    TextDecoder m_decoder;
    std::string m_rawBytes; // a block as read, before it is decoded
    std::string m_chunk;    // the table as UTF-8, a block at a time
    std::size_t m_chunkPos = 0;
    std::size_t m_chunkEnd = 0;
    std::string m_partialLine;
    bool m_skippingLine = false;
    bool m_ended = false;
    bool m_failed = false;
    std::uintmax_t m_bytesRead = 0;

    long m_lineNumber = 0;
    bool m_separatorKnown = false;
    TableFormat m_format;

    long m_rowLine = 0;
    bool m_rowOpen = false; // the slot after the ready rows holds cells of the row being read
    std::string m_rowBytes; // every line of the row being read, for reading them again

    std::vector<TableRow> m_ready; // rows read and not yet handed out
    std::size_t m_readyCount = 0;
    std::size_t m_handedOut = 0;
};

} // namespace quelbor
