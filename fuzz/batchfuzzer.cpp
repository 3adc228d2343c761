// libFuzzer entry point: arbitrary bytes as a whole batch table for quelbor-calc --batch. The
// first byte chooses the output (CSV, CSV with every model value, JSON Lines), the rest is the
// table. The fuzzer stops on a crash, undefined behaviour, a hang, unbounded memory, or when
// - the exit status is not 0, 1 or 2;
// - the CSV output does not read back as a table whose rows all have the header's cells;
// - a JSON line is not valid JSON (UTF-8 included) or its line numbers go backwards;
// - a table without quotes loses a row: each of its non-empty lines after the header must
//   come out as one row.

#include "batchrun.h"
#include "tablereader.h"

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

// Rows of a table without quotes: its non-empty pieces between line ends, less the header.
long rowsWithoutQuotes(std::string_view table)
{
    if (table.starts_with("\xEF\xBB\xBF"))
        table.remove_prefix(3);
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
    const bool quoteFree = table.find('"') == std::string::npos;
    const long expectedRows = quoteFree ? rowsWithoutQuotes(table) : -1;
    if (request.format == BatchFormat::Csv)
        checkCsv(outcome.output, expectedRows);
    else
        checkJsonl(outcome.output, expectedRows);
    return 0;
}
