#pragma once

class QString;
class QWidget;

namespace quelbor {

// The body's name, the seven inputs and the six results of the main window as a table for a
// spreadsheet: one line of the window's captions and one line of the texts the boxes show,
// separated by tabs. Captions lose the blanks around them; a tab or line break inside a text
// becomes a blank, so every text stays in its cell. The numbers' decimal points are written
// with the separator the results show: the calculation reads "," and "." in an input alike,
// and a spreadsheet under the regional settings reads only their own.
QString resultTable(const QWidget &window, const QString &decimalSeparator);

} // namespace quelbor
