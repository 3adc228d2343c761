#include "tableheight.h"

#include <QHeaderView>
#include <QTableView>

namespace quelbor {

void fitHeightToRows(QTableView &table)
{
    const int frame = 2 * table.frameWidth();
    const int header = table.horizontalHeader()->sizeHint().height();
    table.setFixedHeight(header + table.verticalHeader()->length() + frame);
}

} // namespace quelbor
