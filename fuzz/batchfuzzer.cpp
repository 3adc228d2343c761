// libFuzzer entry point: arbitrary bytes as a whole batch table for quelbor-calc --batch. The
// first byte chooses the output (CSV, CSV with every model value, JSON Lines), the rest is the
// table. The fuzzer stops on a crash, undefined behaviour, a hang, unbounded memory, or when
// - the exit status is not 0, 1 or 2;
// - the CSV output of a UTF-16 table is not UTF-16 of the same byte order;
// - the CSV output does not read back as a table whose rows all have the header's cells (not
//   checked for a table holding a NUL: one after its first block is carried, and the output's
//   first block, shorter by a malformed row's cells, may then hold it and be refused; nor
//   where readsBack explains);
// - a JSON line is not valid JSON (UTF-8 included) or its line numbers go backwards;
// - a table without quotes loses a row: each of its non-empty lines after the header must
//   come out as one row (counted in the table decoded to UTF-8, for one without a first line
//   "sep=").

#include "batchrun.h"
#include "tablereader.h"
#include "textencoding.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using namespace quelbor;

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "quelbor batch fuzz: %s\n", what);
        std::fflush(stderr);
        __builtin_trap();
    }
}

struct Outcome
{
    int status;
    std::string output;
};

Outcome run(std::string_view bytes, const BatchRequest &request)
{
    std::string table(bytes);
    std::FILE *input = fmemopen(table.data(), table.size(), "r");
    char *output = nullptr;
    std::size_t outputSize = 0;
    std::FILE *out = open_memstream(&output, &outputSize);
    std::FILE *messages = std::fopen("/dev/null", "w");
    require(input && out && messages, "cannot set up the streams");
    const int status = runBatch(request, ",", {input, out, messages});
    std::fclose(input);
    std::fclose(out);
    std::fclose(messages);
    Outcome outcome{status, std::string(output, outputSize)};
    std::free(output);
    return outcome;
}

// The encoding of a table or an output, as the batch judges it from the first block it reads.
EncodingJudgement judged(std::string_view bytes)
{
    constexpr std::size_t firstBlock = 1 << 16;
    return judgeEncoding(bytes.substr(0, firstBlock), bytes.size() < firstBlock);
}

bool isUtf16(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE;
}

// Whether the CSV output reads back. A UTF-16 table's output must be UTF-16 of its byte order.
// An 8-bit table whose first line, after blank lines the output drops, begins with what reads
// as a byte-order mark or a workbook's signature ("\r\nþÿ" in Windows-1252) gives an output
// judged otherwise; it is not read back.
bool readsBack(TextEncoding table, std::string_view output)
{
    const EncodingJudgement outputJudged = judged(output);
    if (!isUtf16(table))
        return outputJudged.notText.empty() && !isUtf16(outputJudged.encoding);
    require(outputJudged.encoding == table, "a UTF-16 table's output is not of its byte order");
    return true;
}

// The table as the batch reads it: decoded to UTF-8, without its byte-order mark.
std::string decoded(std::string_view table, const EncodingJudgement &judged)
{
    TextDecoder decoder(judged.encoding);
    std::string text;
    decoder.decode(table.substr(judged.byteOrderMarkSize), text);
    decoder.finish(text);
    return text;
}

// Rows of a table without quotes: its non-empty pieces between line ends, less the header;
// -1 when its first line may be a separator line.
long rowsWithoutQuotes(std::string_view table)
{
    if (table.starts_with("sep="))
        return -1;
    long pieces = 0;
    bool inPiece = false;
    for (const char c : table) {
        const bool lineEnd = c == '\r' || c == '\n';
        pieces += !lineEnd && !inPiece;
        inPiece = !lineEnd;
    }
    return pieces - 1;
}

void checkCsv(std::string_view written, long expectedRows)
{
    std::string output(written);
    std::FILE *stream = fmemopen(output.data(), output.size(), "r");
    TableReader reader(stream);
    TableRow header;
    require(reader.next(header) && header.malformed.empty(), "the CSV output has no header");
    long rows = 0;
    for (TableRow row; reader.next(row); ++rows) {
        require(row.malformed.empty(), "a row of the CSV output does not read back");
        require(row.count == header.count, "a row of the CSV output has cells not in the header");
    }
    std::fclose(stream);
    require(expectedRows < 0 || rows == expectedRows, "a row of a table without quotes is lost");
}

void checkJsonl(const std::string &output, long expectedRows)
{
    std::istringstream lines(output);
    long previous = 0;
    long rows = 0;
    for (std::string line; std::getline(lines, line); ++rows) {
        require(nlohmann::json::accept(line), "a JSON line is not valid JSON");
        const long number = nlohmann::json::parse(line).at("line").get<long>();
        require(number >= previous && number >= 1, "the line numbers go backwards");
        previous = number;
    }
    require(expectedRows < 0 || rows == expectedRows, "a row of a table without quotes is lost");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int mode = data[0] % 3;
    const std::string table(reinterpret_cast<const char *>(data) + 1, size - 1);
    BatchRequest request{"-", "", mode == 2 ? BatchFormat::Jsonl : BatchFormat::Csv, mode == 1};
    const Outcome outcome = run(table, request);
    require(outcome.status >= 0 && outcome.status <= 2, "an exit status other than 0, 1, 2");
    if (outcome.status == 2)
        return 0;
    const EncodingJudgement tableJudged = judged(table);
    const std::string text = decoded(table, tableJudged);
    const bool quoteFree = text.find('"') == std::string::npos;
    const long expectedRows = quoteFree ? rowsWithoutQuotes(text) : -1;
    if (request.format == BatchFormat::Jsonl)
        checkJsonl(outcome.output, expectedRows);
    else if (text.find('\0') == std::string::npos &&
             readsBack(tableJudged.encoding, outcome.output))
        checkCsv(outcome.output, expectedRows);
    return 0;
}
