#pragma once

#include "uncertaintyrequest.h"

#include <string>

namespace quelbor {

// How a batch table is written.
enum class BatchFormat { Csv, Jsonl, Xlsx };

// What a batch is asked to do: quelbor-calc --batch and the page's series.
struct BatchRequest
{
    std::string input;  // a path, or "-" for standard input
    std::string output; // a path, or empty for standard output
    BatchFormat format = BatchFormat::Csv;
    bool allFields = false;
    bool force = false;               // replace an output file that holds no batch results
    UncertaintyRequest uncertainty{}; // the options' uncertainties; columns u_ and dist_ override
};

} // namespace quelbor
