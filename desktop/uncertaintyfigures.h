#pragma once

#include "calculationerror.h"
#include "gumvalidation.h"
#include "uncertaintytext.h"

#include <QString>

#include <utility>

namespace quelbor {

// The figures of the uncertainty window as texts, with the decimal separator of the regional
// settings: those of uncertaintytext.h as QStrings.

QString decimalText(double value, int decimals, const QString &separator);
QString intervalText(const std::pair<double, double> &ends, int decimals, const QString &separator);
QString twoDigitText(double u, const QString &separator);
QString calculationErrorText(ErrorKind kind);

// Why the law of propagation's interval is not trusted, with its two differences and δ.
QString disagreementText(const GumValidation &validation, const QString &separator);

} // namespace quelbor
