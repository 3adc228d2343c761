#pragma once

#include "uncertaintyevaluation.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace quelbor {

// The figures of an uncertainty evaluation as texts (UTF-8), with the given decimal separator;
// the digits come from std::to_chars, whatever the process's locale is. The window and the
// lab report write them alike.

// `value` rounded to `decimals` after the separator.
std::string decimalText(double value, int decimals, std::string_view separator);
// "[low; high]": the semicolon, as the separator may be a comma.
std::string intervalText(const std::pair<double, double> &ends, int decimals,
                         std::string_view separator);
// Two significant digits: "0,0090", "2,4", "12".
std::string twoDigitText(double u, std::string_view separator);
// The decimals that show u with two significant digits (u = 0.009 gives 4); `fallback` for 0.
int twoDigitDecimals(double u, int fallback);
// The decimals of a result's value and interval: one digit beyond its u's second significant
// one, so that a disagreement beyond the tolerance shows in the digits; `fallback` where u is 0.
int valueDecimals(const OutputUncertainty &output, int fallback);

// As the main window reports an error, on one line: "Laufzeitfehler 11: Division durch Null".
std::string calculationErrorLine(ErrorKind kind);

// "Fehlgeschlagene Versuche: 3188 von 20000 (Laufzeitfehler 5: …: 3188)", or "… 0 von 20000".
std::string failedTrialsLine(const MonteCarloRun &run);

// German, as the window offers them: "normal", "rechteckig", "dreieckig".
const char *germanDistributionName(Distribution distribution);

} // namespace quelbor
