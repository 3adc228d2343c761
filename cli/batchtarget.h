#pragma once

#include <string>

namespace quelbor {

// Whether an --output file may be replaced without --force: it does not exist yet, is empty,
// is not a regular file, or holds results of an earlier batch (the column txt_psianf of a CSV
// table in any of the encodings the batch writes or of a workbook it wrote, or the "results" of
// JSON lines). Anything else is most likely the table of samples named in the wrong place.
bool mayReplaceOutput(const std::string &path);

} // namespace quelbor
