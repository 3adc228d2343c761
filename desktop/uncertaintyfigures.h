#pragma once

#include "calculationerror.h"
#include "gumvalidation.h"

#include <QString>

#include <map>
#include <utility>

namespace quelbor {

// The figures of the uncertainty window as texts, with the decimal separator of the regional
// settings; the digits come from std::to_chars, whatever the process's locale is.

// `value` rounded to `decimals` after the separator.
QString decimalText(double value, int decimals, const QString &separator);
// "[low; high]": the semicolon, as the separator may be a comma.
QString intervalText(const std::pair<double, double> &ends, int decimals, const QString &separator);
// Two significant digits: "0,0090", "2,4", "12".
QString twoDigitText(double u, const QString &separator);
// The decimals that show u with two significant digits (u = 0.009 gives 4); `fallback` for 0.
int twoDigitDecimals(double u, int fallback);

// As the main window reports an error, on one line: "Laufzeitfehler 11: Division durch Null".
QString calculationErrorText(ErrorKind kind);

// "Fehlgeschlagene Versuche: 3188 von 20000 (Laufzeitfehler 5: …: 3188)", or "… 0 von 20000".
QString failedTrialsText(long failed, long trials, const std::map<ErrorKind, long> &failures);

// Why the law of propagation's interval is not trusted, with its two differences and δ.
QString disagreementText(const GumValidation &validation, const QString &separator);

} // namespace quelbor
