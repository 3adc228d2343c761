#include "tablereader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <stdexcept>

namespace quelbor {

namespace {

constexpr std::size_t chunkBytes = 1 << 16;

void onCell(void *text, std::size_t size, void *reader)
{
    static_cast<TableReader *>(reader)->addCell(static_cast<const char *>(text), size);
}

void onRowEnd(int, void *reader)
{
    static_cast<TableReader *>(reader)->endRow();
}

// Blanks around a cell belong to it: the window reads them as it reads its boxes, and carried
// columns stay as written.
int noBlanks(unsigned char)
{
    return 0;
}

bool onlyLineEnds(std::string_view text)
{
    return text.find_first_not_of("\r\n") == std::string_view::npos;
}

// Reads a block of the stream into `bytes` and counts it into `total`; false when nothing was
// left.
bool readBlock(std::FILE *input, std::string &bytes, std::uintmax_t &total)
{
    bytes.resize(chunkBytes);
    bytes.resize(std::fread(bytes.data(), 1, chunkBytes, input));
    total += bytes.size();
    return !bytes.empty();
}

// The first line of the text with its line end, or all of it.
std::size_t firstLineSize(std::string_view text)
{
    const std::size_t newline = text.find('\n');
    return newline == std::string_view::npos ? text.size() : newline + 1;
}

} // namespace

TableReader::TableReader(std::FILE *input)
    : m_input(input)
{
    startParser();
}

TableReader::~TableReader()
{
    csv_free(&m_parser);
}

void TableReader::startParser()
{
    if (csv_init(&m_parser, 0) != 0)
        throw std::bad_alloc();
    csv_set_space_func(&m_parser, noBlanks);
    useSeparator(m_format.separator);
}

void TableReader::useSeparator(char separator)
{
    m_format.separator = separator;
    csv_set_delim(&m_parser, static_cast<unsigned char>(separator));
}

bool TableReader::next(TableRow &row)
{
    while (m_handedOut == m_readyCount) {
        if (m_ended)
            return false;
        // Everything ready was handed out: a row still being read moves to the front.
        if (m_readyCount > 0 && m_readyCount < m_ready.size())
            std::swap(m_ready.front(), m_ready[m_readyCount]);
        m_readyCount = m_handedOut = 0;
        while (m_readyCount == 0 && !m_ended)
            m_ended = !readChunk();
    }
    std::swap(row, m_ready[m_handedOut++]);
    return true;
}

// Reads the next line (or what is left of the stream) and feeds it to the parser. False at
// the end of the stream, after the last row was read.
bool TableReader::readChunk()
{
    if (!m_encodingKnown)
        readFirstBlock();
    if (m_chunkPos == m_chunkEnd && !fillChunk()) {
        m_failed = std::ferror(m_input) != 0;
        finish();
        return false;
    }
    const char *begin = m_chunk.data() + m_chunkPos;
    const std::size_t available = m_chunkEnd - m_chunkPos;
    const auto *newline = static_cast<const char *>(std::memchr(begin, '\n', available));
    const std::size_t size = newline ? static_cast<std::size_t>(newline - begin) + 1 : available;
    m_chunkPos += size;

    if (!m_skippingLine && m_partialLine.size() + size > maximumRowBytes) {
        reportMalformed(onlyLineEnds(m_rowBytes) ? m_lineNumber + 1 : m_rowLine,
                        "row longer than 1 MiB");
        m_partialLine.clear();
        m_skippingLine = true;
    }
    if (m_skippingLine) {
        if (newline) {
            ++m_lineNumber;
            m_skippingLine = false;
        }
        return true;
    }
    if (!newline) {
        m_partialLine.append(begin, size);
    } else if (m_partialLine.empty()) {
        feedLine({begin, size});
    } else {
        m_partialLine.append(begin, size);
        feedLine(m_partialLine);
        m_partialLine.clear();
    }
    return true;
}

// The first block decides the encoding of the whole table (see judgeEncoding), so a UTF-8
// table is read on as it is, with no look at each of its bytes. A table in another encoding is
// decoded block by block, and everything after reads UTF-8: line numbers, line ends and the
// separator come out as for a UTF-8 table.
void TableReader::readFirstBlock()
{
    m_encodingKnown = true;
    readBlock(m_input, m_chunk, m_bytesRead);
    const EncodingJudgement judged = judgeEncoding(m_chunk, m_chunk.size() < chunkBytes);
    if (!judged.notText.empty()) {
        throw std::runtime_error("the table is not text: " + judged.notText +
                                 " is not read; save it as CSV (UTF-8) or Unicode text");
    }
    m_format.encoding = judged.encoding;
    m_format.byteOrderMark = judged.byteOrderMarkSize > 0;
    m_chunkPos = judged.byteOrderMarkSize;
    m_chunkEnd = m_chunk.size();
    if (judged.encoding == TextEncoding::Utf8)
        return;
    m_decoder = TextDecoder(judged.encoding);
    m_rawBytes.assign(m_chunk, judged.byteOrderMarkSize);
    m_chunk.clear();
    m_decoder.decode(m_rawBytes, m_chunk);
    m_chunkPos = 0;
    m_chunkEnd = m_chunk.size();
}

// The next block of the table, as UTF-8, into the chunk; false at the end of the stream.
bool TableReader::fillChunk()
{
    m_chunkPos = 0;
    if (m_format.encoding == TextEncoding::Utf8) {
        readBlock(m_input, m_chunk, m_bytesRead);
    } else {
        m_chunk.clear();
        while (m_chunk.empty() && readBlock(m_input, m_rawBytes, m_bytesRead))
            m_decoder.decode(m_rawBytes, m_chunk);
        if (m_chunk.empty())
            m_decoder.finish(m_chunk);
    }
    m_chunkEnd = m_chunk.size();
    return m_chunkEnd > 0;
}

void TableReader::feedLine(std::string_view line)
{
    ++m_lineNumber;
    if (m_lineNumber == 1 && readSeparatorLine(line))
        return;
    if (!m_separatorKnown) {
        if (onlyLineEnds(line))
            return;
        detectSeparator(line);
    }
    if (onlyLineEnds(m_rowBytes)) {
        m_rowLine = m_lineNumber;
        m_rowBytes.clear();
    }
    if (m_rowBytes.size() + line.size() > maximumRowBytes) {
        reportMalformed(m_rowLine, "row longer than 1 MiB");
        return;
    }
    m_rowBytes.append(line);
    if (csv_parse(&m_parser, line.data(), line.size(), onCell, onRowEnd, this) != line.size())
        throw std::bad_alloc(); // the only error libcsv reports outside its strict mode
}

// The separator the line uses most outside quotes; ";" on a tie with another and when the
// line has none (a table of one column, whose cells may hold decimal commas).
void TableReader::detectSeparator(std::string_view line)
{
    static constexpr std::array<char, 3> candidates{';', '\t', ','};
    std::array<std::size_t, 3> counts{};
    bool quoted = false;
    for (const char c : line) {
        if (c == '"')
            quoted = !quoted;
        for (std::size_t i = 0; i < candidates.size(); ++i)
            counts[i] += !quoted && c == candidates[i];
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    useSeparator(*most > 0 ? candidates[static_cast<std::size_t>(most - counts.begin())] : ';');
    m_format.crlf = line.ends_with("\r\n");
    m_separatorKnown = true;
}

// A spreadsheet's hint for the separator as the first line, "sep=;" or "\"sep=;\"": a
// separator of one printable ASCII character or a tab. The spreadsheet reads the table by it,
// whatever the header holds most ("Name, Ort;rhoSE" under "sep=;" has two columns).
bool TableReader::readSeparatorLine(std::string_view line)
{
    const bool crlf = line.ends_with("\r\n");
    if (line.ends_with('\n'))
        line.remove_suffix(crlf ? 2 : 1);
    if (line.size() == 7 && line.front() == '"' && line.back() == '"')
        line = line.substr(1, 5);
    if (line.size() != 5 || !line.starts_with("sep="))
        return false;
    const char separator = line.back();
    if (separator == '"' || (separator != '\t' && (separator < ' ' || separator > '~')))
        return false;
    useSeparator(separator);
    m_format.crlf = crlf;
    m_format.separatorLine = true;
    m_separatorKnown = true;
    return true;
}

// At the end of the stream: the last row, also without a final line end. A quote still open
// makes the row malformed; the lines after its first are read again, as rows of their own.
void TableReader::finish()
{
    if (!m_skippingLine && !m_partialLine.empty()) {
        const std::string last = std::move(m_partialLine);
        m_partialLine.clear();
        feedLine(last);
    }
    for (;;) {
        csv_set_opts(&m_parser, CSV_STRICT | CSV_STRICT_FINI);
        if (csv_fini(&m_parser, onCell, onRowEnd, this) == 0)
            return;
        const std::string rowBytes = std::move(m_rowBytes);
        const long rowLine = m_rowLine;
        reportMalformed(rowLine, "quote not closed");
        m_lineNumber = rowLine;
        std::string_view rest(rowBytes);
        rest.remove_prefix(firstLineSize(rest));
        while (!rest.empty()) {
            const std::size_t size = firstLineSize(rest);
            feedLine(rest.substr(0, size));
            rest.remove_prefix(size);
        }
    }
}

// The row being read is given up: it is handed out with only its line and the reason, and
// the parser starts afresh on the next line.
void TableReader::reportMalformed(long line, std::string reason)
{
    TableRow &row = slot();
    row.count = 0;
    row.line = line;
    row.malformed = std::move(reason);
    ++m_readyCount;
    m_rowOpen = false;
    m_rowBytes.clear();
    csv_free(&m_parser);
    startParser();
}

TableRow &TableReader::slot()
{
    if (m_ready.size() <= m_readyCount)
        m_ready.resize(m_readyCount + 1);
    TableRow &row = m_ready[m_readyCount];
    if (!m_rowOpen) {
        row.count = 0;
        row.line = m_rowLine;
        row.malformed.clear();
        m_rowOpen = true;
    }
    return row;
}

void TableReader::addCell(const char *text, std::size_t size)
{
    TableRow &row = slot();
    if (row.count == row.cells.size())
        row.cells.emplace_back();
    row.cells[row.count++].assign(text, size);
}

void TableReader::endRow()
{
    slot();
    ++m_readyCount;
    m_rowOpen = false;
    m_rowBytes.clear();
    m_rowLine = m_lineNumber;
}

} // namespace quelbor
