#pragma once

#include "comparedbody.h"

#include <span>
#include <string>

namespace quelbor {

// Writes the comparison as comparisonTableText through a SafeFile; throws FileError when it
// cannot be written, and the old file stays.
void saveComparisonTable(std::span<const ComparedBody> bodies, const std::string &path);

} // namespace quelbor
