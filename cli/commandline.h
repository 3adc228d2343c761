#pragma once

#include "inputtexts.h"

#include <optional>
#include <string>
#include <vector>

namespace quelbor {

// What one run of quelbor-calc is asked to do.
struct CalcRequest
{
    InputTexts texts; // inputs not given keep the window's default texts
    bool charts = false;
    std::string decimalSeparator = ","; // of the six result texts
    bool help = false;
    bool version = false;
};

// Reads options of the form --rhoSE=1850 (one per input, named after the model's fields),
// --charts, --help and --version. Returns nothing and sets `error` on bad usage.
std::optional<CalcRequest> parseCommandLine(const std::vector<std::string> &arguments,
                                            std::string &error);

extern const char *const usageText;

} // namespace quelbor
