#pragma once

#include "controldesign.h"

class QWidget;

namespace quelbor {

// Creates one control of the main window as its table row describes it: object name, kind,
// text, twips geometry, font, colours and alignment. The control starts hidden when the row
// says so; the window decides when to show itself.
QWidget *createControl(const ControlDesign &design, QWidget &window);

} // namespace quelbor
