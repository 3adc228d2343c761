#pragma once

#include "controldesign.h"

#include <span>

namespace quelbor {

// Every control of the main window, as designed, in the order they are created.
std::span<const ControlDesign> controlTable();

} // namespace quelbor
