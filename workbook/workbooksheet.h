#pragma once

#include <cstddef>
#include <string>

namespace quelbor {

// The start, at most `bytes` long, of the XML of the first worksheet in the .xlsx workbook at
// `path`, as XlsxTable writes it (its sizes in the zip's local headers); empty for any other
// file. Enough to tell a workbook of batch results by its header row.
std::string worksheetStart(const std::string &path, std::size_t bytes);

} // namespace quelbor
