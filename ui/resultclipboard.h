#pragma once

class QString;
class QWidget;

namespace quelbor {

// The body's name, the seven inputs and the six results of the main window as a table for a
// spreadsheet: one line of the window's captions and one line of the texts the boxes show,
// separated by tabs. Captions lose the blanks around them; a tab or line break inside a text
// becomes a blank, so every text stays in its cell.
QString resultTable(const QWidget &window);

} // namespace quelbor
