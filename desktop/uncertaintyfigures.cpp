#include "uncertaintyfigures.h"

#include "numbertext.h"

#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace quelbor {

namespace {

QString withSeparator(const std::string &number, const QString &separator)
{
    return QString::fromStdString(number).replace(u'.', separator);
}

// |u| rounded to two significant digits, as std::to_chars writes it: "9.0e-03".
std::string twoDigits(double u)
{
    return numberText(std::fabs(u), std::chars_format::scientific, 1);
}

// The decimal exponent of |u| after rounding to two significant digits: 0.00996 is 0.010, 1e-2.
int roundedExponent(double u)
{
    const std::string scientific = twoDigits(u);
    const char *exponent = scientific.data() + scientific.find('e') + 1;
    if (*exponent == '+')
        ++exponent;
    int value = 0;
    std::from_chars(exponent, scientific.data() + scientific.size(), value);
    return value;
}

} // namespace

QString decimalText(double value, int decimals, const QString &separator)
{
    return withSeparator(numberText(value, std::chars_format::fixed, decimals), separator);
}

QString intervalText(const std::pair<double, double> &ends, int decimals, const QString &separator)
{
    return QStringLiteral("[%1; %2]")
        .arg(decimalText(ends.first, decimals, separator),
             decimalText(ends.second, decimals, separator));
}

int twoDigitDecimals(double u, int fallback)
{
    if (u == 0 || !std::isfinite(u))
        return fallback;
    return std::max(0, 1 - roundedExponent(u));
}

QString twoDigitText(double u, const QString &separator)
{
    if (u == 0)
        return QStringLiteral("0");
    const int exponent = roundedExponent(u);
    if (exponent <= 1)
        return decimalText(u, 1 - exponent, separator);
    // 123 has two significant digits as 120: rounded in scientific form, written out whole.
    const std::string digits = twoDigits(u);
    double rounded = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), rounded);
    return decimalText(u < 0 ? -rounded : rounded, 0, separator);
}

QString calculationErrorText(ErrorKind kind)
{
    return QStringLiteral("Laufzeitfehler %1: %2")
        .arg(errorNumber(kind))
        .arg(QString::fromStdString(errorText(kind)));
}

QString failedTrialsText(long failed, long trials, const std::map<ErrorKind, long> &failures)
{
    QString text = QStringLiteral("Fehlgeschlagene Versuche: %1 von %2").arg(failed).arg(trials);
    if (failures.empty())
        return text;
    QStringList byError;
    for (const auto &[kind, count] : failures)
        byError.append(QStringLiteral("%1: %2").arg(calculationErrorText(kind)).arg(count));
    return text + QStringLiteral(" (") + byError.join(QStringLiteral("; ")) + u')';
}

QString disagreementText(const GumValidation &validation, const QString &separator)
{
    const QString factor = QStringLiteral("1") + separator + QStringLiteral("96");
    return QStringLiteral("Die Enden von y ± %1·u liegen um %2 und %3 neben dem 95-%-Intervall "
                          "(MC), Toleranz %4: dem GUM-Ergebnis ist hier nicht zu trauen.")
        .arg(factor, twoDigitText(validation.lowDifference, separator),
             twoDigitText(validation.highDifference, separator),
             twoDigitText(validation.tolerance, separator));
}

} // namespace quelbor
