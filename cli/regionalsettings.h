#pragma once

#include <string>

namespace quelbor {

// The decimal separator of the regional settings in the environment (LC_ALL, LC_NUMERIC, LANG),
// as the window shows its results: "," under German settings, "." under English ones and where
// the settings name no locale installed on the machine. The process's own locale is neither
// read nor changed.
std::string regionalDecimalSeparator();

} // namespace quelbor
