#pragma once

class QTableView;

namespace quelbor {

// Makes a table exactly as high as its header and rows, so it neither scrolls nor leaves an
// empty band below its last row. Call again when the rows change.
void fitHeightToRows(QTableView &table);

} // namespace quelbor
