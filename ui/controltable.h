#pragma once

#include "controlspec.h"

#include <span>

namespace quelbor {

// Every control of the main window, as designed, in the order they are created.
std::span<const ControlSpec> controlTable();

} // namespace quelbor
