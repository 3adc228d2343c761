#pragma once

#include "calcreport.h"

#include <optional>
#include <string>
#include <vector>

namespace quelbor {

// How a batch table is written.
enum class BatchFormat { Csv, Jsonl, Xlsx };

// What `quelbor-calc --batch` is asked to do.
struct BatchRequest
{
    std::string input;  // a path, or "-" for standard input
    std::string output; // a path, or empty for standard output
    BatchFormat format = BatchFormat::Csv;
    bool allFields = false;
    bool force = false;               // replace an output file that holds no batch results
    UncertaintyRequest uncertainty{}; // the options' uncertainties; columns u_ and dist_ override
};

// What one run of quelbor-calc is asked to do: a report of one body, or a batch.
struct CalcRequest : ReportRequest
{
    std::optional<BatchRequest> batch;
    bool help = false;
    bool version = false;
};

// Reads the options: one per input, named after the model's fields (--rhoSE=1850 or
// --rhoSE 1850), --charts, the batch options, the uncertainty options (--u-rhoSE=12,
// --u-ksiSE=3%, --dist-ksiSE=rect, --trials, --seed), --help and --version. Returns nothing and
// sets `error` on bad usage: an unknown or repeated option, a missing value, options that do not go
// together.
std::optional<CalcRequest> parseCommandLine(const std::vector<std::string> &arguments,
                                            std::string &error);

std::string usageText();
std::string versionText();

} // namespace quelbor
