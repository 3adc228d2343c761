// The page's series, compiled to a module of its own that seriesworker.js runs in a Web Worker:
// quelbor-calc --batch's run on a table in the worker's file system (the picked file, read in
// blocks as the run asks for them), its output and messages handed to the script block by
// block, so that neither the table nor the output is ever whole in memory.
#include "batchrun.h"

#include <emscripten.h>

#include <cstdio>

namespace {

using namespace quelbor;

EM_JS(void, handOutput, (const char *bytes, std::size_t size),
      { Module.onOutput(HEAPU8.subarray(bytes, bytes + size)); });

EM_JS(void, handMessages, (const char *bytes, std::size_t size),
      { Module.onMessages(HEAPU8.subarray(bytes, bytes + size)); });

EM_JS(void, handProgress, (double rows, double failed, double bytesRead),
      { Module.onProgress(rows, failed, bytesRead); });

ssize_t writeOutput(void *, const char *bytes, std::size_t size)
{
    handOutput(bytes, size);
    return static_cast<ssize_t>(size);
}

ssize_t writeMessages(void *, const char *bytes, std::size_t size)
{
    handMessages(bytes, size);
    return static_cast<ssize_t>(size);
}

// A stream whose writes go to `write`, in blocks of its buffer.
std::FILE *handingOn(ssize_t (*write)(void *, const char *, std::size_t))
{
    cookie_io_functions_t functions{};
    functions.write = write;
    return fopencookie(nullptr, "w", functions);
}

} // namespace

extern "C" {

// Calculates every row of the table at `tablePath` as quelbor-calc --batch does, into CSV or,
// with `jsonLines`, JSON lines whose results take `decimalSeparator` (the regional one of the
// tool). Module.onOutput gets the output's bytes, Module.onMessages the messages' (quelbor-calc's
// standard error), Module.onProgress the rows done, the rows failed and the table's bytes read.
// Returns quelbor-calc's exit status.
EMSCRIPTEN_KEEPALIVE int quelbor_series(const char *tablePath, int jsonLines, int allFields,
                                        const char *decimalSeparator)
{
    std::FILE *messages = handingOn(writeMessages);
    std::FILE *table = std::fopen(tablePath, "rb");
    if (!table) {
        std::fprintf(messages, "quelbor-calc: cannot open %s\n", tablePath);
        std::fclose(messages);
        return 2;
    }
    std::FILE *output = handingOn(writeOutput);
    BatchRequest request;
    request.format = jsonLines ? BatchFormat::Jsonl : BatchFormat::Csv;
    request.allFields = allFields != 0;
    const int status = runBatch(request, decimalSeparator,
                                {table, output, messages, [](const BatchCounts &counts) {
                                     handProgress(static_cast<double>(counts.rows),
                                                  static_cast<double>(counts.failed),
                                                  static_cast<double>(counts.bytesRead));
                                 }});
    std::fclose(output);
    std::fclose(messages);
    std::fclose(table);
    return status;
}
}
